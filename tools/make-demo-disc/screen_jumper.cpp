#include "fill.h"
#include "glyphs.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr int kGround = 206;

void paint_cloud(Image& image, double x, double y) {
    const Rgba white{255, 255, 255, 235};
    fill(image, circle(x, y, 10), white);
    fill(image, circle(x + 12, y - 5, 13), white);
    fill(image, circle(x + 26, y, 10), white);
    fill(image, rounded_rectangle(x, y - 2, 26, 12, 6), white);
}

void paint_bricks(Image& image, int x, int y, int count) {
    for (int i = 0; i < count; ++i) {
        fill(image, rectangle(x + 16 * i, y, 16, 16), Rgba{120, 50, 20});
        fill(image, rectangle(x + 16 * i + 1, y + 1, 14, 6), Rgba{210, 110, 50});
        fill(image, rectangle(x + 16 * i + 1, y + 9, 6, 6), Rgba{210, 110, 50});
        fill(image, rectangle(x + 16 * i + 9, y + 9, 6, 6), Rgba{210, 110, 50});
    }
}

void paint_coin(Image& image, double x, double y) {
    fill(image, ellipse(x, y, 5, 7), Rgba{200, 140, 10});
    fill(image, ellipse(x, y, 3.5, 5.5), Rgba{255, 214, 60});
    fill(image, rectangle(x - 0.75, y - 3, 1.5, 6), Rgba{200, 140, 10});
}

}  // namespace

Image draw_jumper_screen() {
    Image image = screen_window("JUMPY JACK", Rgba{40, 150, 70}, Rgba{});
    fill(image, rectangle(0, kTitleBarHeight, kScreenWidth, kGround - kTitleBarHeight),
         vertical_gradient(Rgba{110, 190, 255}, Rgba{210, 240, 255}, kTitleBarHeight, kGround));
    paint_cloud(image, 40, 56);
    paint_cloud(image, 200, 44);
    fill(image, ellipse(70, kGround + 10, 90, 60), Rgba{90, 190, 90});
    fill(image, ellipse(250, kGround + 10, 110, 44), Rgba{70, 170, 80});

    fill(image, rectangle(0, kGround, kScreenWidth, kScreenHeight - kGround), Rgba{150, 90, 40});
    fill(image, rectangle(0, kGround, kScreenWidth, 6), Rgba{60, 180, 60});
    for (int x = 8; x < kScreenWidth; x += 24) {
        fill(image, circle(x, kGround + 18, 2), Rgba{110, 60, 30});
    }

    paint_bricks(image, 48, 140, 4);
    paint_bricks(image, 192, 108, 5);
    fill(image, rectangle(112, 140, 16, 16), Rgba{230, 160, 20});
    fill(image, rectangle(113, 141, 14, 14), Rgba{255, 210, 60});
    paint_question_mark(image, 120, 148, Rgba{150, 80, 10});
    for (int i = 0; i < 4; ++i) {
        paint_coin(image, 206 + 16 * i, 92);
    }
    paint_coin(image, 64, 124);
    paint_coin(image, 80, 124);

    // The hero, in mid-jump.
    fill(image, rounded_rectangle(74, 160, 16, 20, 4), Rgba{220, 40, 40});
    fill(image, rectangle(74, 172, 16, 8), Rgba{40, 70, 200});
    fill(image, circle(82, 154, 7), Rgba{255, 200, 160});
    fill(image, rounded_rectangle(74, 145, 17, 6, 3), Rgba{220, 40, 40});
    fill(image, circle(85, 154, 1.4), Rgba{20, 20, 20});
    fill(image, segment({90, 164}, {98, 156}, 4), Rgba{255, 200, 160});

    // A beetle walking on the ground.
    fill(image, difference(circle(250, kGround, 12), rectangle(236, kGround, 28, 14)),
         Rgba{120, 60, 160});
    fill(image, circle(245, kGround - 6, 2.5), Rgba{255, 255, 255});
    fill(image, circle(255, kGround - 6, 2.5), Rgba{255, 255, 255});

    paint_label(image, 6, 24, "COINS 12", 1, Rgba{30, 40, 90});
    paint_label(image, 236, 24, "WORLD 1-2", 1, Rgba{30, 40, 90});
    return image;
}
