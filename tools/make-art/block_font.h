#pragma once

#include <string_view>

#include "pixel_mask.h"

// Bold capitals, digits and some punctuation drawn on a coarse grid; each grid cell becomes a
// `cell` x `cell` block.
namespace block_font {

inline constexpr int kRows = 8;

// Width of `text` in pixels, one empty cell between letters.
int text_width(std::string_view text, int cell);
int text_height(int cell);

// Sets the pixels of `text` with its top-left corner at (x, y). Throws std::invalid_argument for a
// character the font lacks.
void stamp_text(PixelMask& mask, int x, int y, std::string_view text, int cell);

}  // namespace block_font
