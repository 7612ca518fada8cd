#include "disc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr Rgba kOutline{34, 30, 38};
// Pastel bands of the diffraction sheen, from the hub outwards.
constexpr std::array<Rgba, 5> kSheen{
    Rgba{255, 176, 208}, Rgba{255, 236, 150}, Rgba{168, 240, 184},
    Rgba{150, 220, 255}, Rgba{206, 178, 255},
};
// Sample points inside a pixel, in subpixels from its corner.
constexpr std::array<int, 4> kSamples{1, 3, 5, 7};
constexpr int kSamplesPerPixel = static_cast<int>(kSamples.size() * kSamples.size());

std::uint8_t clamp_channel(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// A cool grey, the way polished metal looks under daylight.
Rgba silver(int level) {
    return {clamp_channel(level), clamp_channel(level + 3), clamp_channel(level + 8), 255};
}

bool covers(const Disc& disc, std::int64_t dx, std::int64_t dy) {
    const std::int64_t d2 = dx * dx + dy * dy;
    const std::int64_t outer = disc.radius;
    const std::int64_t hole = disc.hole_radius;
    return d2 < outer * outer && d2 >= hole * hole;
}

// Rainbow tint where the light catches the disc: two opposite wedges around a steep diagonal.
Rgba add_sheen(Rgba base, std::int64_t dx, std::int64_t dy, int r, int permille) {
    // Distance from the axis (3, -4) is |cross| / 5; the wedge is about 35 degrees either side.
    const std::int64_t cross = std::abs(dx * -4 - dy * 3);
    const int falloff = static_cast<int>(cross * 25600 / (285 * std::int64_t{r}));
    const int closeness = std::max(0, 256 - falloff);
    const int weight = closeness * 200 / 256;

    const int band = (permille - 400) * static_cast<int>(kSheen.size() - 1) * 256 / 600;
    const Rgba tint = mix(kSheen[band / 256], kSheen[band / 256 + 1], band % 256);
    return mix(base, tint, weight);
}

// Colour of the disc material at an offset from the centre; points off the disc get the outline.
Rgba shade(const Disc& disc, std::int64_t dx, std::int64_t dy) {
    const int r = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    if (r >= disc.radius - disc.outline || r < disc.hole_radius + disc.outline) {
        return kOutline;
    }
    const int permille = static_cast<int>(std::int64_t{r} * 1000 / disc.radius);
    // Light from the top left: from about -56 at the bottom right to +56 at the top left.
    const int light = static_cast<int>(-(dx + dy) * 40 / disc.radius);

    if (permille < 200) {
        return silver(206 + light / 2);
    }
    if (permille < 215) {
        return silver(150);
    }
    if (permille < 360) {
        return silver(176 + light / 3);
    }
    if (permille < 385) {
        return silver(236);
    }
    if (permille < 400) {
        return silver(140);
    }
    const int track = (permille / 40) % 2 == 0 ? 0 : -6;
    return add_sheen(silver(192 + light + track), dx, dy, r, permille);
}

struct PixelSamples {
    int covered = 0;
    int r = 0;
    int g = 0;
    int b = 0;
};

// Adds up the colours of the sample points in pixel (x, y); only those on the disc unless
// `all_points`.
PixelSamples sample_pixel(const Disc& disc, int x, int y, bool all_points) {
    PixelSamples sum;
    for (int sy : kSamples) {
        for (int sx : kSamples) {
            const std::int64_t dx = std::int64_t{x} * kSubpixels + sx - disc.centre_x;
            const std::int64_t dy = std::int64_t{y} * kSubpixels + sy - disc.centre_y;
            const bool on_disc = covers(disc, dx, dy);
            sum.covered += on_disc ? 1 : 0;
            if (on_disc || all_points) {
                const Rgba colour = shade(disc, dx, dy);
                sum.r += colour.r;
                sum.g += colour.g;
                sum.b += colour.b;
            }
        }
    }
    return sum;
}

Rgba average(const PixelSamples& sum, int count, std::uint8_t alpha) {
    return {static_cast<std::uint8_t>(sum.r / count), static_cast<std::uint8_t>(sum.g / count),
            static_cast<std::uint8_t>(sum.b / count), alpha};
}

}  // namespace

void paint_disc_hard(Image& image, const Disc& disc) {
    constexpr int kCentre = kSubpixels / 2;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::int64_t dx = std::int64_t{x} * kSubpixels + kCentre - disc.centre_x;
            const std::int64_t dy = std::int64_t{y} * kSubpixels + kCentre - disc.centre_y;
            if (covers(disc, dx, dy)) {
                image.at(x, y) = average(sample_pixel(disc, x, y, true), kSamplesPerPixel, 255);
            }
        }
    }
}

void paint_disc_smooth(Image& image, const Disc& disc) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const PixelSamples sum = sample_pixel(disc, x, y, false);
            if (sum.covered > 0) {
                const auto alpha = static_cast<std::uint8_t>(sum.covered * 255 / kSamplesPerPixel);
                image.at(x, y) = average(sum, sum.covered, alpha);
            }
        }
    }
}
