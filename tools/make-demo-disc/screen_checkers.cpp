#include <array>

#include "fill.h"
#include "glyphs.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr int kSquare = 26;
constexpr int kBoardLeft = 16;
constexpr int kBoardTop = 24;
constexpr Rgba kRed{200, 40, 40};
constexpr Rgba kBlack{36, 34, 40};

void paint_piece(Image& image, double x, double y, Rgba colour, bool king) {
    fill(image, circle(x, y + 2, 10), Rgba{0, 0, 0, 100});
    fill(image, circle(x, y, 10), mix(colour, Rgba{0, 0, 0}, 70));
    fill(image, circle(x, y, 8.5), colour);
    fill(image, difference(circle(x, y, 6), circle(x, y, 4.8)),
         mix(colour, Rgba{255, 255, 255}, 70));
    if (king) {
        paint_star(image, x, y, 11, Rgba{255, 210, 60});
    }
}

void paint_square_piece(Image& image, int column, int row, Rgba colour, bool king) {
    paint_piece(image, kBoardLeft + column * kSquare + kSquare / 2.0,
                kBoardTop + row * kSquare + kSquare / 2.0, colour, king);
}

}  // namespace

Image draw_checkers_screen() {
    Image image = screen_window("CHECKERS PRO", Rgba{120, 70, 30}, Rgba{66, 42, 28});
    fill(image, rectangle(kBoardLeft - 4, kBoardTop - 4, 8 * kSquare + 8, 8 * kSquare + 8),
         Rgba{40, 24, 14});
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const bool dark = (row + column) % 2 == 1;
            fill(image,
                 rectangle(kBoardLeft + column * kSquare, kBoardTop + row * kSquare, kSquare,
                           kSquare),
                 dark ? Rgba{130, 80, 44} : Rgba{240, 218, 176});
        }
    }
    // Pieces as (column, row); every square listed is a dark one.
    constexpr std::array<std::array<int, 2>, 7> kReds{
        {{1, 0}, {3, 0}, {7, 0}, {0, 1}, {4, 1}, {6, 1}, {3, 4}}};
    constexpr std::array<std::array<int, 2>, 7> kBlacks{
        {{0, 7}, {2, 7}, {6, 7}, {3, 6}, {5, 6}, {7, 6}, {2, 5}}};
    for (const auto& p : kReds) {
        paint_square_piece(image, p[0], p[1], kRed, false);
    }
    for (const auto& p : kBlacks) {
        paint_square_piece(image, p[0], p[1], kBlack, false);
    }
    paint_square_piece(image, 5, 2, kBlack, true);
    fill(image, rectangle(kBoardLeft + 4 * kSquare, kBoardTop + 3 * kSquare, kSquare, kSquare),
         Rgba{255, 230, 90, 80});

    const Rgba label{255, 230, 190};
    paint_label(image, 240, 40, "YOU", 1, label);
    paint_piece(image, 252, 70, kBlack, false);
    paint_label(image, 270, 62, "8", 2, Rgba{255, 255, 255});
    paint_label(image, 240, 110, "CPU", 1, label);
    paint_piece(image, 252, 140, kRed, false);
    paint_label(image, 270, 132, "7", 2, Rgba{255, 255, 255});
    paint_label(image, 240, 196, "MOVE 14", 1, label);
    return image;
}
