#include "text_button.h"

#include "fill.h"

namespace {

struct Look {
    Rgba top;
    Rgba bottom;
    Rgba edge;
};

Look look_of(ButtonState state) {
    switch (state) {
        case ButtonState::normal:
            return {{255, 255, 255}, {214, 222, 240}, {112, 126, 172}};
        case ButtonState::hover:
            return {{255, 255, 250}, {255, 222, 150}, {214, 146, 28}};
        case ButtonState::pressed:
            break;
    }
    return {{250, 180, 70}, {255, 228, 160}, {150, 92, 10}};
}

}  // namespace

void paint_text_button(Image& frame, ButtonState state, const TextButtonStyle& style) {
    const Look look = look_of(state);
    const bool pressed = state == ButtonState::pressed;
    const int w = frame.width();
    const int h = frame.height() - 2 * style.margin - 1;
    const int top = style.margin + (pressed ? 1 : 0);
    const double r = style.radius;

    if (!pressed) {
        fill(frame, rounded_rectangle(0, style.margin + 1, w, h, r), Rgba{0, 0, 20, 70});
    }
    fill(frame, rounded_rectangle(0, top, w, h, r), look.edge);
    fill(frame, rounded_rectangle(1, top + 1, w - 2, h - 2, r - 1),
         vertical_gradient(look.top, look.bottom, top + 1, top + h - 1));
    fill(frame, rounded_rectangle(3, top + 2, w - 6, (h - 4) / 2, r - 3),
         Rgba{255, 255, 255, static_cast<std::uint8_t>(pressed ? 50 : 110)});
    if (style.accent.a != 0) {
        fill(frame, rounded_rectangle(r, top + h - 5, w - 2 * r, 3, 1.5), style.accent);
    }
}

FramePainter text_button(const TextButtonStyle& style) {
    return [style](Image& frame, ButtonState state) { paint_text_button(frame, state, style); };
}
