#include "icon_button.h"

#include <utility>

#include "fill.h"
#include "glyphs.h"

namespace {

struct Look {
    Rgba top;
    Rgba bottom;
    Rgba edge;
    Rgba glyph;
};

Look look_of(ButtonState state, bool warning) {
    constexpr Rgba kNavy{30, 42, 92};
    switch (state) {
        case ButtonState::normal:
            return {{255, 255, 255}, {200, 210, 236}, {255, 255, 255, 170}, kNavy};
        case ButtonState::hover:
            if (warning) {
                return {{255, 150, 140}, {204, 36, 36}, {255, 220, 210}, {255, 255, 255}};
            }
            return {{255, 250, 226}, {255, 196, 80}, {255, 236, 170}, kNavy};
        case ButtonState::pressed:
            break;
    }
    if (warning) {
        return {{170, 20, 20}, {236, 90, 80}, {255, 200, 190}, {255, 255, 255}};
    }
    return {{220, 150, 40}, {255, 214, 120}, {255, 236, 170}, kNavy};
}

}  // namespace

FramePainter icon_button(GlyphPainter glyph, bool warning) {
    return [glyph = std::move(glyph), warning](Image& frame, ButtonState state) {
        const Look look = look_of(state, warning);
        const double shift = state == ButtonState::pressed ? 0.5 : 0;
        const double cx = frame.width() / 2.0;
        const double cy = frame.height() / 2.0 + shift;
        const double r = frame.width() / 2.0 - 1;
        fill(frame, circle(cx, frame.height() / 2.0 + 1, r), Rgba{0, 0, 20, 90});
        fill(frame, circle(cx, cy, r), look.edge);
        fill(frame, circle(cx, cy, r - 1.5),
             vertical_gradient(look.top, look.bottom, static_cast<int>(cy - r),
                               static_cast<int>(cy + r)));
        fill(frame, ellipse(cx, cy - r * 0.45, r * 0.6, r * 0.35), Rgba{255, 255, 255, 90});
        glyph(frame, cx, cy, look.glyph);
    };
}

GlyphPainter sized_glyph(void (*glyph)(Image&, double, double, double, Rgba), double size) {
    return [glyph, size](Image& image, double x, double y, Rgba colour) {
        glyph(image, x, y, size, colour);
    };
}

FramePainter close_button() { return icon_button(sized_glyph(paint_cross, 10), true); }

FramePainter minimize_button() { return icon_button(sized_glyph(paint_dash, 10), false); }

FramePainter help_button() {
    return icon_button([](Image& image, double x, double y,
                          Rgba colour) { paint_question_mark(image, x, y, colour); },
                       false);
}

FramePainter star_button() { return icon_button(sized_glyph(paint_star, 20), false); }
