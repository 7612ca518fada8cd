#include <array>

#include "fill.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr int kRollTop = 24;
constexpr int kRow = 9;
constexpr int kRows = 20;
constexpr int kKeysWidth = 30;

struct Note {
    int row;
    int start;
    int length;
};

}  // namespace

Image draw_music_screen() {
    Image image = screen_window("MUSIC BOX", Rgba{130, 50, 170}, Rgba{22, 24, 34});

    for (int row = 0; row < kRows; ++row) {
        const bool sharp =
            row % 12 == 1 || row % 12 == 3 || row % 12 == 6 || row % 12 == 8 || row % 12 == 10;
        const int y = kRollTop + row * kRow;
        fill(image, rectangle(kKeysWidth, y, kScreenWidth - kKeysWidth, kRow),
             sharp ? Rgba{28, 30, 42} : Rgba{36, 38, 52});
        fill(image, rectangle(0, y, kKeysWidth, kRow - 1),
             sharp ? Rgba{30, 30, 36} : Rgba{240, 240, 236});
    }
    for (int x = kKeysWidth; x < kScreenWidth; x += 18) {
        const bool bar = (x - kKeysWidth) % 72 == 0;
        fill(image, rectangle(x, kRollTop, 1, kRows * kRow),
             bar ? Rgba{90, 94, 120} : Rgba{52, 56, 74});
    }

    constexpr std::array kNotes{
        Note{12, 0, 2}, Note{10, 2, 1},  Note{8, 3, 1},  Note{7, 4, 3},   Note{8, 7, 1},
        Note{10, 8, 2}, Note{12, 10, 1}, Note{5, 11, 2}, Note{3, 13, 1},  Note{5, 14, 2},
        Note{17, 0, 4}, Note{17, 4, 4},  Note{15, 8, 4}, Note{17, 12, 4},
    };
    for (const Note& note : kNotes) {
        const Rgba colour = note.row > 14 ? Rgba{80, 200, 255} : Rgba{255, 150, 60};
        fill(image,
             rounded_rectangle(kKeysWidth + 1 + note.start * 18, kRollTop + note.row * kRow + 1,
                               note.length * 18 - 2, kRow - 2, 2),
             colour);
    }
    fill(image, rectangle(kKeysWidth + 150, kRollTop, 2, kRows * kRow), Rgba{255, 230, 90});

    // Transport and level meters.
    constexpr int kBarTop = kRollTop + kRows * kRow + 4;
    fill(image, rounded_rectangle(6, kBarTop + 2, 26, 26, 6), Rgba{60, 200, 110});
    fill(image, polygon({{15, kBarTop + 8}, {25, kBarTop + 15}, {15, kBarTop + 22}}),
         Rgba{255, 255, 255});
    fill(image, rounded_rectangle(38, kBarTop + 2, 26, 26, 6), Rgba{70, 74, 96});
    fill(image, rectangle(46, kBarTop + 10, 10, 10), Rgba{255, 255, 255});
    fill(image, rounded_rectangle(70, kBarTop + 2, 26, 26, 6), Rgba{70, 74, 96});
    fill(image, circle(83, kBarTop + 15, 5.5), Rgba{240, 60, 60});
    paint_label(image, 108, kBarTop + 11, "120 BPM", 1, Rgba{200, 206, 240});

    constexpr std::array kLevels{9, 14, 18, 12, 20, 16, 11, 7, 13, 17, 10, 6};
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        const int x = 200 + 10 * static_cast<int>(i);
        const int top = kBarTop + 28 - kLevels[i];
        fill(image, rectangle(x, top, 7, kLevels[i]),
             vertical_gradient(Rgba{255, 80, 60}, Rgba{80, 220, 100}, kBarTop + 8, kBarTop + 28));
    }
    return image;
}
