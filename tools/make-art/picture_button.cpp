#include "picture_button.h"

#include <utility>

#include "fill.h"
#include "image_ops.h"

namespace {

constexpr Rgba kHoverVeil{255, 255, 255, 70};
constexpr Rgba kPressedVeil{0, 0, 0, 70};

void veil(Image& image, Rgba colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.at(x, y) = blend(image.at(x, y), colour);
        }
    }
}

}  // namespace

FramePainter picture_button(Image picture) {
    return [picture = std::move(picture)](Image& frame, ButtonState state) {
        composite(frame, picture, 0, 0);
        if (state == ButtonState::hover) {
            veil(frame, kHoverVeil);
        } else if (state == ButtonState::pressed) {
            veil(frame, kPressedVeil);
        }
    };
}
