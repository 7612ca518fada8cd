#include "flag_button.h"

#include <utility>

#include "fill.h"

Image union_flag(int width, int height) {
    constexpr Rgba kBlue{1, 33, 105};
    constexpr Rgba kRed{200, 16, 46};
    constexpr Rgba kWhite{255, 255, 255};
    const double w = width;
    const double h = height;
    Image flag(width, height, kBlue);
    fill(flag, segment({0, 0}, {w, h}, h / 5), kWhite);
    fill(flag, segment({0, h}, {w, 0}, h / 5), kWhite);
    fill(flag, segment({0, 0}, {w, h}, h / 15), kRed);
    fill(flag, segment({0, h}, {w, 0}, h / 15), kRed);
    fill(flag, rectangle(0, h * 2 / 6, w, h * 2 / 6), kWhite);
    fill(flag, rectangle(w / 2 - h / 6, 0, h / 3, h), kWhite);
    fill(flag, rectangle(0, h * 2 / 5, w, h / 5), kRed);
    fill(flag, rectangle(w / 2 - h / 10, 0, h / 5, h), kRed);
    return flag;
}

Image polish_flag(int width, int height) {
    Image flag(width, height, Rgba{255, 255, 255});
    fill(flag, rectangle(0, height / 2.0, width, height / 2.0), Rgba{220, 20, 60});
    fill(flag, rectangle(0, 0, width, height / 2.0),
         vertical_gradient(Rgba{255, 255, 255}, Rgba{232, 234, 240}, 0, height / 2));
    return flag;
}

FramePainter flag_button(Image flag) {
    return [flag = std::move(flag)](Image& frame, ButtonState state) {
        const int w = frame.width();
        const int h = frame.height();
        const bool pressed = state == ButtonState::pressed;
        const Rgba edge =
            state == ButtonState::normal ? Rgba{255, 255, 255, 200} : Rgba{255, 196, 64};
        fill(frame, rounded_rectangle(0, 1, w, h - 1, 8), Rgba{0, 0, 20, 90});
        fill(frame, rounded_rectangle(0, 0, w, h - 1, 8), edge);
        const Paint flag_paint = [&flag](int x, int y) { return flag.at(x, y); };
        fill(frame, rounded_rectangle(2, 2, w - 4, h - 5, 6), flag_paint);
        if (pressed) {
            fill(frame, rounded_rectangle(2, 2, w - 4, h - 5, 6), Rgba{0, 0, 30, 60});
        }
        const double label_w = w * 0.6;
        const double label_h = 22;
        const double label_x = (w - label_w) / 2;
        const double label_y = (h - 1 - label_h) / 2 + (pressed ? 1 : 0);
        const Rgba rim = state == ButtonState::normal ? Rgba{20, 30, 70, 110} : Rgba{255, 196, 64};
        fill(frame, rounded_rectangle(label_x - 1.5, label_y - 1.5, label_w + 3, label_h + 3, 7),
             rim);
        fill(frame, rounded_rectangle(label_x, label_y, label_w, label_h, 6),
             Rgba{255, 255, 255,
                  static_cast<std::uint8_t>(state == ButtonState::normal ? 215 : 245)});
    };
}
