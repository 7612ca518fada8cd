#include <array>

#include "fill.h"
#include "random.h"
#include "screen_window.h"
#include "screens.h"

namespace {

// The hunter's stars, brightest first where they are joined.
constexpr std::array<Point, 9> kStars{{{96, 58},     // shoulder
                                       {150, 62},    // shoulder
                                       {112, 110},   // belt
                                       {124, 106},   // belt
                                       {136, 102},   // belt
                                       {92, 160},    // knee
                                       {160, 156},   // knee
                                       {122, 38},    // head
                                       {170, 40}}};  // raised arm
constexpr std::array<std::array<int, 2>, 10> kLines{
    {{0, 7}, {7, 1}, {1, 8}, {0, 2}, {2, 3}, {3, 4}, {4, 1}, {2, 5}, {4, 6}, {5, 6}}};

}  // namespace

Image draw_atlas_screen() {
    Image image = screen_window("STAR ATLAS", Rgba{20, 40, 110}, Rgba{});
    fill(image, rectangle(0, kTitleBarHeight, kScreenWidth, kScreenHeight - kTitleBarHeight),
         vertical_gradient(Rgba{4, 6, 26}, Rgba{24, 36, 86}, kTitleBarHeight, kScreenHeight));
    fill(image, polygon({{0, 200}, {320, 60}, {320, 110}, {0, 240}}), Rgba{150, 160, 255, 22});
    Random random(11);
    for (int i = 0; i < 140; ++i) {
        const double x = random.below(kScreenWidth) + 0.5;
        const double y = kTitleBarHeight + random.below(kScreenHeight - kTitleBarHeight) + 0.5;
        fill(image, circle(x, y, 0.4 + random.below(3) * 0.3),
             Rgba{230, 236, 255, static_cast<std::uint8_t>(80 + random.below(150))});
    }

    for (const auto& line : kLines) {
        fill(image, segment(kStars[line[0]], kStars[line[1]], 1.2), Rgba{120, 180, 255, 150});
    }
    for (const Point& star : kStars) {
        fill(image, circle(star.x, star.y, 5), Rgba{160, 200, 255, 50});
        fill(image, circle(star.x, star.y, 2.2), Rgba{255, 255, 255});
    }
    paint_label(image, 104, 172, "ORION", 1, Rgba{160, 200, 255});

    fill(image, circle(262, 64, 30), Rgba{255, 250, 210, 25});
    fill(image, difference(circle(262, 64, 20), circle(271, 58, 18)), Rgba{255, 244, 200});

    fill(image,
         polygon({{0, 240},
                  {0, 214},
                  {50, 204},
                  {110, 216},
                  {170, 200},
                  {230, 212},
                  {280, 198},
                  {320, 206},
                  {320, 240}}),
         Rgba{8, 10, 20});
    fill(image, difference(circle(240, 206, 12), rectangle(226, 206, 28, 14)), Rgba{200, 204, 220});
    fill(image, rectangle(228, 205, 24, 12), Rgba{160, 166, 186});
    fill(image, segment({240, 200}, {252, 188}, 3), Rgba{90, 96, 120});

    paint_label(image, 6, 24, "RA 05H 35M", 1, Rgba{160, 200, 255});
    paint_label(image, 244, 24, "DEC -5", 1, Rgba{160, 200, 255});
    return image;
}
