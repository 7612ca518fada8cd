#include "fill.h"

#include <algorithm>
#include <array>

namespace {

// Sample points inside a pixel, in subpixels from its corner.
constexpr std::array<int, 4> kSamples{1, 3, 5, 7};
static_assert(kShapeSubpixels == 8, "the sample points assume eighths of a pixel");

int position_weight(int at, int from, int to) {
    if (to <= from) {
        return 256;
    }
    return std::clamp((at - from) * 256 / (to - from), 0, 256);
}

Paint solid(Rgba colour) {
    return [colour](int, int) { return colour; };
}

}  // namespace

Paint vertical_gradient(Rgba top, Rgba bottom, int from, int to) {
    return [=](int, int y) { return mix(top, bottom, position_weight(y, from, to)); };
}

Paint horizontal_gradient(Rgba left, Rgba right, int from, int to) {
    return [=](int x, int) { return mix(left, right, position_weight(x, from, to)); };
}

Rgba blend(Rgba under, Rgba colour, int coverage) {
    const int weight = colour.a * coverage / 255;
    colour.a = under.a;
    return mix(under, colour, weight);
}

void fill(Image& image, const Shape& shape, const Paint& paint) {
    const int top = std::max(shape.bounds.top, 0);
    const int bottom = std::min(shape.bounds.bottom, image.height());
    const int left = std::max(shape.bounds.left, 0);
    const int right = std::min(shape.bounds.right, image.width());
    constexpr int kSamplesPerPixel = static_cast<int>(kSamples.size() * kSamples.size());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            int inside = 0;
            for (int sy : kSamples) {
                for (int sx : kSamples) {
                    const std::int64_t px = std::int64_t{x} * kShapeSubpixels + sx;
                    const std::int64_t py = std::int64_t{y} * kShapeSubpixels + sy;
                    inside += shape.contains(px, py) ? 1 : 0;
                }
            }
            if (inside > 0) {
                image.at(x, y) =
                    blend(image.at(x, y), paint(x, y), inside * 256 / kSamplesPerPixel);
            }
        }
    }
}

void fill(Image& image, const Shape& shape, Rgba colour) { fill(image, shape, solid(colour)); }
