#include "night_sky.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "theme.h"

namespace {

// Ring spacing in eighths of a pixel.
constexpr int kRingPeriod = 28 * 8;

Rgba night_sky(int x, int y, int width, int height) {
    const Rgba base =
        mix(theme::kNightTop, theme::kNightBottom, (x + 2 * y) * 256 / (width + 2 * height));
    // The rings fade out towards the top left.
    const double dx = 8.0 * (x - width * 1.1);
    const double dy = 8.0 * (y - height * 1.25);
    const int r = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    const int wave = std::abs(r % kRingPeriod - kRingPeriod / 2) * 256 / (kRingPeriod / 2);
    const int reach = std::max(0, 256 - r * 32 / (width + height));
    return mix(base, Rgba{120, 150, 255}, wave * reach / 256 * 30 / 256);
}

}  // namespace

Image night_sky_image(int width, int height) {
    Image image(width, height, Rgba{});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = night_sky(x, y, width, height);
        }
    }
    return image;
}
