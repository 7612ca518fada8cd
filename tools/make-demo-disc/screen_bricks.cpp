#include <array>

#include "fill.h"
#include "random.h"
#include "screen_window.h"
#include "screens.h"

Image draw_bricks_screen() {
    Image image = screen_window("BRICK BREAKER", Rgba{200, 90, 20}, Rgba{});
    fill(image, rectangle(0, kTitleBarHeight, kScreenWidth, kScreenHeight - kTitleBarHeight),
         vertical_gradient(Rgba{16, 20, 56}, Rgba{50, 16, 64}, kTitleBarHeight, kScreenHeight));

    constexpr std::array kRows{Rgba{240, 70, 70}, Rgba{250, 150, 40}, Rgba{250, 220, 60},
                               Rgba{90, 210, 90}, Rgba{60, 170, 240}, Rgba{170, 100, 240}};
    Random random(3);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 10; ++column) {
            if (row > 2 && random.below(5) == 0) {
                continue;
            }
            const double x = 10 + 30 * column;
            const double y = 38 + 12 * row;
            fill(image, rounded_rectangle(x, y, 28, 10, 2), kRows[row]);
            fill(image, rounded_rectangle(x + 1, y + 1, 26, 3, 1), Rgba{255, 255, 255, 90});
        }
    }

    for (int i = 1; i <= 5; ++i) {
        fill(image, circle(196 - 8 * i, 160 + 8 * i, 4 - i * 0.5),
             Rgba{255, 255, 255, static_cast<std::uint8_t>(150 - 25 * i)});
    }
    fill(image, circle(196, 160, 4.5), Rgba{255, 255, 255});
    fill(image, rounded_rectangle(136, 218, 56, 9, 4.5),
         vertical_gradient(Rgba{220, 250, 255}, Rgba{60, 160, 220}, 218, 227));

    paint_label(image, 6, 24, "SCORE 3400", 1, Rgba{255, 255, 255});
    for (int i = 0; i < 3; ++i) {
        fill(image, circle(290 + 10 * i, 27.5, 3.5), Rgba{255, 255, 255});
    }
    return image;
}
