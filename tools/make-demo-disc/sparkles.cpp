#include "sparkles.h"

#include "fill.h"
#include "random.h"

void paint_sparkles(Image& image, const Rect& area, int count, unsigned seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = area.x + 4 + random.below(area.width - 8) + 0.5;
        const double y = area.y + 4 + random.below(area.height - 8) + 0.5;
        const double size = 2 + random.below(4);
        const auto alpha = static_cast<std::uint8_t>(120 + random.below(120));
        fill(image, circle(x, y, size * 0.9),
             Rgba{255, 240, 190, static_cast<std::uint8_t>(alpha / 3)});
        fill(image, star(x, y, size * 1.8, size * 0.35, 4), Rgba{255, 250, 225, alpha});
    }
}
