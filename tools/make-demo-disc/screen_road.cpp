#include "fill.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr int kHorizon = 112;

void paint_car(Image& image, double x, double y, double scale, Rgba body) {
    const double s = scale;
    fill(image, rounded_rectangle(x - 34 * s, y - 2 * s, 14 * s, 10 * s, 3 * s), Rgba{20, 20, 24});
    fill(image, rounded_rectangle(x + 20 * s, y - 2 * s, 14 * s, 10 * s, 3 * s), Rgba{20, 20, 24});
    fill(image, rounded_rectangle(x - 30 * s, y - 14 * s, 60 * s, 18 * s, 6 * s), body);
    fill(image, rounded_rectangle(x - 18 * s, y - 26 * s, 36 * s, 14 * s, 5 * s),
         mix(body, Rgba{0, 0, 0}, 50));
    fill(image, rounded_rectangle(x - 15 * s, y - 23 * s, 30 * s, 8 * s, 3 * s),
         Rgba{170, 220, 255});
    fill(image, rectangle(x - 28 * s, y - 8 * s, 8 * s, 4 * s), Rgba{255, 60, 50});
    fill(image, rectangle(x + 20 * s, y - 8 * s, 8 * s, 4 * s), Rgba{255, 60, 50});
}

void paint_tree(Image& image, double x, double y, double size) {
    fill(image, rectangle(x - size / 8, y, size / 4, size / 3), Rgba{90, 60, 30});
    fill(image, polygon({{x, y - size}, {x + size / 2, y + 1}, {x - size / 2, y + 1}}),
         Rgba{30, 120, 50});
}

}  // namespace

Image draw_road_screen() {
    Image image = screen_window("ROAD FEVER", Rgba{190, 40, 40}, Rgba{});
    fill(image, rectangle(0, kTitleBarHeight, kScreenWidth, kHorizon - kTitleBarHeight),
         vertical_gradient(Rgba{90, 160, 255}, Rgba{255, 200, 160}, kTitleBarHeight, kHorizon));
    fill(image, circle(250, 62, 26), Rgba{255, 250, 200, 60});
    fill(image, circle(250, 62, 16), Rgba{255, 240, 150});
    fill(image,
         polygon({{0, kHorizon},
                  {40, 80},
                  {90, 100},
                  {140, 70},
                  {200, 98},
                  {260, 78},
                  {320, 96},
                  {320, kHorizon}}),
         Rgba{110, 90, 160});
    fill(image, rectangle(0, kHorizon, kScreenWidth, kScreenHeight - kHorizon),
         vertical_gradient(Rgba{90, 180, 80}, Rgba{40, 120, 40}, kHorizon, kScreenHeight));

    fill(image, polygon({{152, kHorizon}, {168, kHorizon}, {330, 240}, {-10, 240}}),
         vertical_gradient(Rgba{120, 120, 130}, Rgba{70, 70, 80}, kHorizon, kScreenHeight));
    fill(image, segment({152, kHorizon}, {-10, 240}, 3), Rgba{255, 255, 255});
    fill(image, segment({168, kHorizon}, {330, 240}, 3), Rgba{255, 255, 255});
    // Centre dashes grow as they come closer.
    const double dashes[][2] = {{118, 124}, {132, 144}, {158, 180}, {200, 236}};
    for (const auto& dash : dashes) {
        const double near_half = 1 + (dash[1] - kHorizon) / 40;
        const double far_half = 1 + (dash[0] - kHorizon) / 40;
        fill(image,
             polygon({{160 - far_half, dash[0]},
                      {160 + far_half, dash[0]},
                      {160 + near_half, dash[1]},
                      {160 - near_half, dash[1]}}),
             Rgba{255, 230, 90});
    }

    paint_tree(image, 40, 140, 36);
    paint_tree(image, 290, 150, 44);
    paint_tree(image, 100, 120, 16);
    paint_tree(image, 230, 122, 20);
    paint_car(image, 182, 140, 0.35, Rgba{40, 90, 220});
    paint_car(image, 150, 218, 1.1, Rgba{220, 30, 40});

    paint_label(image, 6, 24, "LAP 2/3", 1, Rgba{255, 255, 255});
    paint_label(image, 250, 24, "187 KM/H", 1, Rgba{255, 255, 255});
    return image;
}
