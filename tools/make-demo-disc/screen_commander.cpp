#include <array>
#include <string>
#include <string_view>

#include "fill.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr Rgba kBlue{0, 0, 168};
constexpr Rgba kCyan{84, 252, 252};
constexpr Rgba kWhite{255, 255, 255};
constexpr Rgba kYellow{252, 252, 84};
constexpr int kPanelTop = 22;
constexpr int kPanelHeight = 192;
constexpr int kRowHeight = 12;

void paint_panel(Image& image, int left, const std::array<std::string_view, 11>& names,
                 int selected) {
    constexpr int kWidth = 154;
    fill(image, rectangle(left, kPanelTop, kWidth, kPanelHeight), kCyan);
    fill(image, rectangle(left + 2, kPanelTop + 2, kWidth - 4, kPanelHeight - 4), kBlue);
    fill(image, rectangle(left + 4, kPanelTop + 4, kWidth - 8, kPanelHeight - 8), kCyan);
    fill(image, rectangle(left + 5, kPanelTop + 5, kWidth - 10, kPanelHeight - 10), kBlue);
    paint_label(image, left + 10, kPanelTop + 9, "NAME", 1, kYellow);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int y = kPanelTop + 24 + kRowHeight * static_cast<int>(i);
        const bool folder = names[i].find('.') == std::string_view::npos || names[i] == "..";
        if (static_cast<int>(i) == selected) {
            fill(image, rectangle(left + 6, y - 2, kWidth - 12, kRowHeight), kCyan);
        }
        const Rgba ink = static_cast<int>(i) == selected ? Rgba{0, 0, 0} : folder ? kWhite : kCyan;
        paint_label(image, left + 10, y, names[i], 1, ink);
    }
}

}  // namespace

Image draw_commander_screen() {
    Image image = screen_window("FILE COMMANDER", Rgba{90, 96, 110}, kBlue);
    paint_panel(image, 4,
                {"..", "DOCS", "MENU", "SETUP", "TOOLS", "POMOC-EN.TXT", "POMOC-PL.TXT",
                 "START.EXE", "VERSION.DAT", "README.TXT", "DISC.ICO"},
                7);
    paint_panel(image, 162,
                {"..", "DEMO1", "DEMO2", "DEMO3", "BURNER", "COMMANDER", "SETUP.EXE", "SETUP.INI",
                 "DATA1.CAB", "DATA2.CAB", "LICENSE.TXT"},
                -1);

    constexpr std::array<std::string_view, 6> kKeys{"HELP", "MENU", "VIEW", "EDIT", "COPY", "MOVE"};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const int x = 4 + 53 * static_cast<int>(i);
        paint_label(image, x, 222, std::string(1, static_cast<char>('1' + i)), 1, kWhite);
        fill(image, rectangle(x + 8, 219, 42, 14), kCyan);
        paint_label(image, x + 11, 222, kKeys[i], 1, Rgba{0, 0, 0});
    }
    return image;
}
