#include "card.h"

#include "fill.h"

namespace {

constexpr int kRadius = 12;

}  // namespace

void paint_card(Image& image, const Rect& area) {
    // The shadow grows and fades in three steps below the card.
    for (int step = 3; step >= 1; --step) {
        const auto alpha = static_cast<std::uint8_t>(26 * (4 - step));
        fill(image,
             rounded_rectangle(area.x - step + 1, area.y + 1, area.width + 2 * step - 2,
                               area.height + step + 1, kRadius + step),
             Rgba{0, 0, 16, alpha});
    }
    fill(image, rounded_rectangle(area.x, area.y, area.width, area.height, kRadius), kCardEdge);
    fill(image,
         rounded_rectangle(area.x + 1, area.y + 1, area.width - 2, area.height - 2, kRadius - 1),
         kCardFace);
}

void paint_outline(Image& image, const Rect& area, Rgba colour, int radius) {
    fill(image,
         difference(
             rounded_rectangle(area.x - 1, area.y - 1, area.width + 2, area.height + 2, radius),
             rectangle(area.x, area.y, area.width, area.height)),
         colour);
}
