#include "button_strip.h"

#include <array>

#include "image_ops.h"

Image button_strip(const Image& backdrop, const Rect& place, const FramePainter& paint) {
    constexpr std::array kStates{ButtonState::normal, ButtonState::hover, ButtonState::pressed};
    Image strip(3 * place.width, place.height, Rgba{});
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        Image frame = crop(backdrop, place.x, place.y, place.width, place.height);
        paint(frame, kStates[i]);
        paste(strip, frame, static_cast<int>(i) * place.width, 0);
    }
    return strip;
}
