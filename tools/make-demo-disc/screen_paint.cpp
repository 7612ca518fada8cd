#include <array>

#include "fill.h"
#include "glyphs.h"
#include "image_ops.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr Rgba kFrame{214, 218, 228};
constexpr Rgba kToolInk{50, 60, 90};
constexpr std::array<Point, 8> kSunRays{
    {{1, 0}, {0.7, 0.7}, {0, 1}, {-0.7, 0.7}, {-1, 0}, {-0.7, -0.7}, {0, -1}, {0.7, -0.7}}};

// The picture in progress, a sunny day.
Image draw_canvas() {
    Image canvas(280, 164, Rgba{255, 255, 255});
    fill(canvas, rectangle(0, 0, 280, 100),
         vertical_gradient(Rgba{170, 215, 255}, Rgba{235, 245, 255}, 0, 100));
    fill(canvas, ellipse(86, 164, 110, 50), Rgba{110, 200, 100});
    fill(canvas, ellipse(236, 164, 90, 36), Rgba{80, 180, 90});
    fill(canvas, circle(234, 32, 16), Rgba{255, 210, 40});
    for (const Point& ray : kSunRays) {
        fill(canvas,
             segment({234 + 21 * ray.x, 32 + 21 * ray.y}, {234 + 29 * ray.x, 32 + 29 * ray.y}, 3),
             Rgba{255, 190, 30});
    }
    fill(canvas, rectangle(56, 80, 60, 48), Rgba{230, 90, 70});
    fill(canvas, polygon({{48, 82}, {86, 52}, {124, 82}}), Rgba{140, 70, 40});
    fill(canvas, rectangle(78, 102, 14, 26), Rgba{120, 70, 40});
    fill(canvas, rectangle(62, 90, 12, 10), Rgba{190, 230, 255});
    fill(canvas, segment({136, 30}, {156, 22}, 3), Rgba{60, 60, 80});
    fill(canvas, segment({156, 22}, {176, 30}, 3), Rgba{60, 60, 80});
    for (int i = 0; i < 6; ++i) {
        fill(canvas,
             segment({152 + 12.0 * i, 136 - (i % 2) * 8.0},
                     {164 + 12.0 * i, 136 - ((i + 1) % 2) * 8.0}, 4),
             Rgba{230, 60, 140});
    }
    return canvas;
}

}  // namespace

Image draw_paint_screen() {
    Image image = screen_window("PAINT STUDIO", Rgba{40, 100, 190}, Rgba{232, 235, 242});
    paint_label(image, 6, 23, "FILE  EDIT  IMAGE  HELP", 1, Rgba{60, 66, 90});
    fill(image, rectangle(0, 34, kScreenWidth, 1), kFrame);

    // Tools down the left side; the brush is the one in use.
    for (int i = 0; i < 7; ++i) {
        const int y = 40 + 24 * i;
        fill(image, rounded_rectangle(4, y, 22, 22, 4),
             i == 0 ? Rgba{255, 214, 120} : Rgba{250, 251, 255});
    }
    fill(image, segment({10, 56}, {20, 46}, 3), kToolInk);
    fill(image, circle(15, 75, 6), kToolInk);
    fill(image, rectangle(9, 93, 12, 10), kToolInk);
    paint_star(image, 15, 123, 14, kToolInk);
    fill(image, segment({9, 146}, {21, 140}, 2), kToolInk);
    fill(image, polygon({{10, 171}, {20, 171}, {15, 161}}), kToolInk);
    paint_cross(image, 15, 195, 8, kToolInk);

    paste(image, draw_canvas(), 34, 40);

    // The palette.
    constexpr std::array kPalette{Rgba{20, 20, 20},   Rgba{255, 255, 255}, Rgba{230, 60, 60},
                                  Rgba{250, 150, 40}, Rgba{250, 220, 50},  Rgba{90, 200, 80},
                                  Rgba{40, 170, 160}, Rgba{60, 120, 230},  Rgba{140, 80, 220},
                                  Rgba{230, 60, 140}, Rgba{140, 90, 50},   Rgba{150, 150, 160}};
    for (std::size_t i = 0; i < kPalette.size(); ++i) {
        const double x = 34 + 23.5 * static_cast<double>(i);
        fill(image, rounded_rectangle(x, 211, 20, 22, 4), Rgba{150, 156, 170});
        fill(image, rounded_rectangle(x + 1, 212, 18, 20, 3), kPalette[i]);
    }
    return image;
}
