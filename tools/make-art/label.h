#pragma once

#include <string_view>

#include "image.h"

// Flat block lettering for scores, names and badges; each font cell is `cell` pixels.
void paint_label(Image& image, int x, int y, std::string_view text, int cell, Rgba colour);
