#include "fill.h"
#include "random.h"
#include "screen_window.h"
#include "screens.h"

namespace {

void paint_alien(Image& image, double x, double y, Rgba colour) {
    fill(image, rounded_rectangle(x - 10, y - 6, 20, 12, 5), colour);
    fill(image, segment({x - 7, y + 5}, {x - 10, y + 10}, 2), colour);
    fill(image, segment({x + 7, y + 5}, {x + 10, y + 10}, 2), colour);
    fill(image, circle(x - 4, y - 1, 2.2), Rgba{10, 10, 30});
    fill(image, circle(x + 4, y - 1, 2.2), Rgba{10, 10, 30});
}

}  // namespace

Image draw_space_screen() {
    Image image = screen_window("SPACE RESCUE", Rgba{70, 40, 150}, Rgba{});
    fill(image, rectangle(0, kTitleBarHeight, kScreenWidth, kScreenHeight - kTitleBarHeight),
         vertical_gradient(Rgba{6, 8, 36}, Rgba{34, 10, 56}, kTitleBarHeight, kScreenHeight));
    fill(image, ellipse(80, 150, 140, 36), Rgba{130, 60, 200, 36});
    Random random(7);
    for (int i = 0; i < 110; ++i) {
        const double x = random.below(kScreenWidth);
        const double y = kTitleBarHeight + random.below(kScreenHeight - kTitleBarHeight);
        const auto alpha = static_cast<std::uint8_t>(90 + random.below(166));
        fill(image, circle(x + 0.5, y + 0.5, 0.5 + random.below(3) * 0.4),
             Rgba{255, 255, 255, alpha});
    }

    fill(image, circle(262, 62, 26),
         vertical_gradient(Rgba{255, 200, 120}, Rgba{200, 80, 40}, 36, 88));
    fill(image, difference(ellipse(262, 64, 48, 10), ellipse(262, 62, 36, 6)),
         Rgba{255, 230, 180, 170});

    const Rgba rows[] = {{120, 240, 140}, {255, 120, 200}, {110, 220, 255}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            paint_alien(image, 36 + 34 * column, 46 + 24 * row, rows[row]);
        }
    }
    fill(image, segment({104, 110}, {104, 122}, 2.5), Rgba{255, 90, 80});

    for (int i = 0; i < 3; ++i) {
        fill(image, rounded_rectangle(46 + 96 * i, 172, 36, 14, 6), Rgba{80, 200, 90});
    }
    fill(image, segment({160, 150}, {160, 176}, 2.5), Rgba{255, 240, 120});
    fill(image, polygon({{160, 188}, {166, 220}, {160, 216}, {154, 220}}), Rgba{255, 160, 40});
    fill(image, polygon({{160, 184}, {176, 214}, {160, 208}, {144, 214}}),
         vertical_gradient(Rgba{230, 250, 255}, Rgba{90, 160, 220}, 184, 214));

    paint_label(image, 6, 24, "SCORE 01250", 1, Rgba{255, 255, 255});
    for (int i = 0; i < 3; ++i) {
        const double x = 286 + 11 * i;
        fill(image, polygon({{x, 23}, {x + 4, 31}, {x, 29}, {x - 4, 31}}), Rgba{140, 210, 255});
    }
    return image;
}
