#include "label.h"

#include "block_title.h"

void paint_label(Image& image, int x, int y, std::string_view text, int cell, Rgba colour) {
    const BlockTitleStyle style{cell, 0, 0, 0, colour, colour, colour, colour, colour};
    paint_block_title(image, x, y, text, style);
}
