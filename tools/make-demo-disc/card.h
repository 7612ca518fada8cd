#pragma once

#include "image.h"
#include "layout.h"

// A light rounded panel with a soft shadow and a thin edge.
void paint_card(Image& image, const Rect& area);

// A 1-pixel edge just outside `area`.
void paint_outline(Image& image, const Rect& area, Rgba colour, int radius);
