#pragma once

#include "button_strip.h"

// A light rounded button for a caption in black; the pressed look also marks the selected
// category.
struct TextButtonStyle {
    int radius;
    // Rows of backdrop left above and below the button, so that stacked buttons stand apart.
    int margin;
    // Colour of a stripe along the bottom; transparent for none.
    Rgba accent{0, 0, 0, 0};
};

void paint_text_button(Image& frame, ButtonState state, const TextButtonStyle& style);

FramePainter text_button(const TextButtonStyle& style);
