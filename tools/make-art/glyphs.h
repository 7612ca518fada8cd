#pragma once

#include "image.h"

// Small symbols drawn centred on (x, y) and about `size` pixels across.
void paint_cross(Image& image, double x, double y, double size, Rgba colour);
void paint_dash(Image& image, double x, double y, double size, Rgba colour);
void paint_question_mark(Image& image, double x, double y, Rgba colour);
void paint_star(Image& image, double x, double y, double size, Rgba colour);
// Two beamed quavers.
void paint_notes(Image& image, double x, double y, double size, Rgba colour);
// A painter's palette with dabs of colour; `colour` is its wood.
void paint_palette(Image& image, double x, double y, double size, Rgba colour);
