#include "contact_sheet.h"

#include <algorithm>

namespace {

constexpr int kColumns = 3;
constexpr int kGap = 16;
constexpr int kLabelHeight = 22;
constexpr std::uint32_t kSheetColour = 0xEEEEEE;
constexpr std::uint32_t kLabelColour = 0x000000;

// Each pixel the mean of the two by two it stands for.
Raster HalfSize(const Raster& picture) {
    Raster half(std::max(picture.width / 2, 1), std::max(picture.height / 2, 1), 0);
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) {
            std::uint32_t mean = 0;
            for (int shift = 0; shift <= 16; shift += 8) {
                int sum = 0;
                int count = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        if (!picture.Contains(2 * x + dx, 2 * y + dy)) continue;
                        sum +=
                            static_cast<int>((picture.At(2 * x + dx, 2 * y + dy) >> shift) & 255);
                        ++count;
                    }
                }
                mean |= static_cast<std::uint32_t>(count ? sum / count : 0) << shift;
            }
            half.At(x, y) = mean;
        }
    }
    return half;
}

}  // namespace

Raster ComposeSheet(const std::vector<SheetTile>& tiles, const TextFace& label) {
    std::vector<Raster> halves;
    int cellWidth = 1;
    int cellHeight = 1;
    for (const SheetTile& tile : tiles) {
        halves.push_back(HalfSize(tile.picture));
        cellWidth = std::max(cellWidth, halves.back().width);
        cellHeight = std::max(cellHeight, halves.back().height);
    }
    const int columns = std::clamp(static_cast<int>(tiles.size()), 1, kColumns);
    const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
    Raster sheet(kGap + columns * (cellWidth + kGap),
                 kGap + std::max(rows, 1) * (kLabelHeight + cellHeight + kGap), kSheetColour);
    for (size_t i = 0; i < tiles.size(); ++i) {
        const int x = kGap + static_cast<int>(i) % columns * (cellWidth + kGap);
        const int y = kGap + static_cast<int>(i) / columns * (kLabelHeight + cellHeight + kGap);
        const PixelRect labelArea{x, y, cellWidth, kLabelHeight};
        label.Draw(sheet, x, y + label.Ascent() + (kLabelHeight - label.CellHeight()) / 2,
                   tiles[i].label, kLabelColour, labelArea);
        CopyPixels(sheet, x, y + kLabelHeight, halves[i], 0, 0, halves[i].width, halves[i].height);
    }
    return sheet;
}
