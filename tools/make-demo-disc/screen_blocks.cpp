#include <array>

#include "fill.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr int kCell = 10;
constexpr int kBoardLeft = 100;
constexpr int kBoardTop = 28;

constexpr std::array<Rgba, 7> kColours{
    Rgba{0, 200, 230}, Rgba{250, 210, 0}, Rgba{170, 60, 220}, Rgba{60, 200, 80},
    Rgba{240, 60, 60}, Rgba{40, 90, 230}, Rgba{250, 140, 20},
};

void paint_cell(Image& image, int x, int y, Rgba colour) {
    fill(image, rectangle(x, y, kCell, kCell), mix(colour, Rgba{0, 0, 0}, 90));
    fill(image, rectangle(x, y, kCell - 1, kCell - 1), mix(colour, Rgba{255, 255, 255}, 110));
    fill(image, rectangle(x + 1, y + 1, kCell - 2, kCell - 2), colour);
}

void paint_board_cell(Image& image, int column, int row, Rgba colour) {
    paint_cell(image, kBoardLeft + column * kCell, kBoardTop + row * kCell, colour);
}

}  // namespace

Image draw_blocks_screen() {
    Image image = screen_window("BLOCK DROP", Rgba{30, 60, 140}, Rgba{18, 22, 46});
    fill(image, rectangle(kBoardLeft - 3, kBoardTop - 3, 10 * kCell + 6, 20 * kCell + 6),
         Rgba{120, 140, 200});
    fill(image, rectangle(kBoardLeft, kBoardTop, 10 * kCell, 20 * kCell), Rgba{6, 8, 20});
    for (int column = 1; column < 10; ++column) {
        fill(image, rectangle(kBoardLeft + column * kCell, kBoardTop, 1, 20 * kCell),
             Rgba{30, 34, 60});
    }

    // The heap: one string per board row from row 13 down, '.' for a gap.
    constexpr std::array<const char*, 7> kHeap{
        "..........", "........2.", "1.....3322", "11..443322",
        "51.6644320", "5566.44300", "5506643300",
    };
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 10; ++column) {
            const char c = kHeap[row][column];
            if (c != '.') {
                paint_board_cell(image, column, 13 + row, kColours[c - '0']);
            }
        }
    }
    // The falling piece.
    paint_board_cell(image, 4, 5, kColours[2]);
    paint_board_cell(image, 3, 6, kColours[2]);
    paint_board_cell(image, 4, 6, kColours[2]);
    paint_board_cell(image, 5, 6, kColours[2]);

    const Rgba label{200, 214, 255};
    paint_label(image, 222, 30, "NEXT", 1, label);
    fill(image, rounded_rectangle(220, 42, 60, 40, 4), Rgba{6, 8, 20});
    for (int i = 0; i < 4; ++i) {
        paint_cell(image, 230 + kCell * i, 57, kColours[0]);
    }
    paint_label(image, 222, 100, "LINES", 1, label);
    paint_label(image, 222, 112, "24", 2, Rgba{255, 255, 255});
    paint_label(image, 222, 142, "LEVEL", 1, label);
    paint_label(image, 222, 154, "3", 2, Rgba{255, 255, 255});
    paint_label(image, 18, 30, "HOLD", 1, label);
    fill(image, rounded_rectangle(16, 42, 60, 40, 4), Rgba{6, 8, 20});
    paint_cell(image, 36, 52, kColours[1]);
    paint_cell(image, 46, 52, kColours[1]);
    paint_cell(image, 36, 62, kColours[1]);
    paint_cell(image, 46, 62, kColours[1]);
    return image;
}
