#pragma once

#include <string_view>

#include "image.h"

// Block-font lettering that stands out as solid blocks with a dark outline.
struct BlockTitleStyle {
    int cell;
    // The letters are pushed this far towards the bottom right.
    int depth;
    int outline;
    // Rows of the lit band along the top edge of each stroke.
    int shine;
    Rgba face_top;
    Rgba face_bottom;
    Rgba shine_colour;
    Rgba side;
    Rgba edge;
};

// Size of the lettering, the block's depth included.
int block_title_width(std::string_view text, const BlockTitleStyle& style);
int block_title_height(const BlockTitleStyle& style);

// Paints `text` with the top-left corner of its face at (left, top).
void paint_block_title(Image& image, int left, int top, std::string_view text,
                       const BlockTitleStyle& style);
