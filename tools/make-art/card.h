#pragma once

#include "image.h"
#include "rect.h"

// The panel's face and edge.
inline constexpr Rgba kCardFace{236, 240, 248};
inline constexpr Rgba kCardEdge{188, 198, 222};

// A light rounded panel with a soft shadow and a thin edge.
void paint_card(Image& image, const Rect& area);

// A 1-pixel edge just outside `area`.
void paint_outline(Image& image, const Rect& area, Rgba colour, int radius);
