#pragma once

#include <functional>

#include "image.h"
#include "rect.h"

// The three looks of an image button, in the order of its bitmap strip.
enum class ButtonState { normal, hover, pressed };

// Paints one look of a button onto `frame`, which holds the backdrop behind the button.
using FramePainter = std::function<void(Image& frame, ButtonState state)>;

// The button's bitmap strip: three frames side by side, each the backdrop under `place` with one
// look of the button painted over it.
Image button_strip(const Image& backdrop, const Rect& place, const FramePainter& paint);
