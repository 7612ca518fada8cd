#include "block_title.h"

#include "block_font.h"
#include "pixel_mask.h"

namespace {

void paint(Image& image, const PixelMask& mask, Rgba colour) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y)) {
                image.at(x, y) = colour;
            }
        }
    }
}

}  // namespace

int block_title_width(std::string_view text, const BlockTitleStyle& style) {
    return block_font::text_width(text, style.cell) + style.depth;
}

int block_title_height(const BlockTitleStyle& style) {
    return block_font::text_height(style.cell) + style.depth;
}

void paint_block_title(Image& image, int left, int top, std::string_view text,
                       const BlockTitleStyle& style) {
    const int text_width = block_font::text_width(text, style.cell);
    const int text_height = block_font::text_height(style.cell);

    PixelMask face(image.width(), image.height());
    block_font::stamp_text(face, left, top, text, style.cell);
    PixelMask solid = face;
    for (int step = 1; step <= style.depth; ++step) {
        solid.merge(face, step, step);
    }

    paint(image, solid.dilated(style.outline), style.edge);
    paint(image, solid, style.side);
    for (int y = top; y < top + text_height; ++y) {
        const Rgba fill = mix(style.face_top, style.face_bottom, (y - top) * 256 / text_height);
        for (int x = left; x < left + text_width; ++x) {
            if (face.at(x, y)) {
                const bool lit = !face.at(x, y - style.shine);
                image.at(x, y) = lit ? mix(fill, style.shine_colour, 160) : fill;
            }
        }
    }
}
