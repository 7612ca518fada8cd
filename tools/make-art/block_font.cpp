#include "block_font.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace block_font {
namespace {

struct Glyph {
    char letter;
    std::array<std::string_view, kRows> rows;
};

// Strokes are two cells thick.
constexpr std::array kGlyphs{
    Glyph{'C', {".#####", "######", "##....", "##....", "##....", "##....", "######", ".#####"}},
    Glyph{'D', {"#####.", "######", "##..##", "##..##", "##..##", "##..##", "######", "#####."}},
    Glyph{'E', {"######", "######", "##....", "#####.", "#####.", "##....", "######", "######"}},
    Glyph{'I', {"####", ".##.", ".##.", ".##.", ".##.", ".##.", ".##.", "####"}},
    Glyph{'M',
          {"##...##", "###.###", "#######", "##.#.##", "##...##", "##...##", "##...##", "##...##"}},
    Glyph{'N',
          {"##...##", "###..##", "###..##", "####.##", "##.####", "##..###", "##..###", "##...##"}},
    Glyph{'S', {".#####", "######", "##....", "#####.", ".#####", "....##", "######", "#####."}},
    Glyph{'U', {"##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "######", ".####."}},
};

constexpr bool rows_match(const Glyph& g) {
    return std::all_of(g.rows.begin(), g.rows.end(),
                       [&g](std::string_view row) { return row.size() == g.rows[0].size(); });
}
static_assert(std::all_of(kGlyphs.begin(), kGlyphs.end(), rows_match),
              "every row of a glyph must be equally long");

const Glyph& glyph(char letter) {
    for (const Glyph& candidate : kGlyphs) {
        if (candidate.letter == letter) {
            return candidate;
        }
    }
    throw std::invalid_argument(std::string("the block font has no glyph for '") + letter + "'");
}

int glyph_columns(const Glyph& g) { return static_cast<int>(g.rows[0].size()); }

}  // namespace

int text_width(std::string_view text, int cell) {
    int columns = 0;
    for (char letter : text) {
        columns += glyph_columns(glyph(letter)) + 1;
    }
    return columns == 0 ? 0 : (columns - 1) * cell;
}

int text_height(int cell) { return kRows * cell; }

void stamp_text(PixelMask& mask, int x, int y, std::string_view text, int cell) {
    int left = x;
    for (char letter : text) {
        const Glyph& g = glyph(letter);
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < glyph_columns(g); ++column) {
                if (g.rows[row][column] != '#') {
                    continue;
                }
                for (int py = 0; py < cell; ++py) {
                    for (int px = 0; px < cell; ++px) {
                        mask.set(left + column * cell + px, y + row * cell + py);
                    }
                }
            }
        }
        left += (glyph_columns(g) + 1) * cell;
    }
}

}  // namespace block_font
