#include "contact_sheet.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kColumns = 3;
constexpr int kGap = 16;
constexpr int kLabelHeight = 22;
constexpr std::uint32_t kSheetColour = 0xEEEEEE;
constexpr std::uint32_t kLabelColour = 0x000000;

// The mean colour of the two by two pixels from (x, y), those inside the picture.
std::uint32_t MeanOfFour(const Raster& picture, int x, int y) {
    int sums[3] = {};
    int count = 0;
    for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
        if (!picture.Contains(x + dx, y + dy)) continue;
        const std::uint32_t pixel = picture.At(x + dx, y + dy);
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += (pixel >> (8 * channel)) & 255;
        ++count;
    }
    std::uint32_t mean = 0;
    for (int channel = 0; channel < 3; ++channel) {
        mean |= static_cast<std::uint32_t>(count ? sums[channel] / count : 0) << (8 * channel);
    }
    return mean;
}

Raster HalfSize(const Raster& picture) {
    Raster half(std::max(picture.width / 2, 1), std::max(picture.height / 2, 1), 0);
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) half.At(x, y) = MeanOfFour(picture, 2 * x, 2 * y);
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
