#include "dialogs/color_key_region.h"

#include <cstddef>

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

struct Run {
    int left = 0;
    int right = 0;

    bool operator==(const Run&) const = default;
};

void FindRuns(std::span<const std::uint32_t> row, std::uint32_t key, std::vector<Run>& runs) {
    runs.clear();
    const auto isKey = [&](std::size_t x) { return (row[x] & kColourBits) == key; };
    std::size_t x = 0;
    while (x < row.size()) {
        while (x < row.size() && isKey(x)) ++x;
        if (x == row.size()) break;
        const std::size_t left = x;
        while (x < row.size() && !isKey(x)) ++x;
        runs.push_back({static_cast<int>(left), static_cast<int>(x)});
    }
}

}  // namespace

std::vector<PixelRect> VisibleRectangles(const PixelRows& image, std::uint32_t key) {
    std::vector<PixelRect> rectangles;
    if (image.width <= 0 || image.height <= 0) return rectangles;
    const auto width = static_cast<std::size_t>(image.width);
    if (image.pixels.size() / width < static_cast<std::size_t>(image.height)) return rectangles;

    key &= kColourBits;
    std::vector<Run> runs;
    std::vector<Run> band;  // the runs of the rectangles started last
    std::size_t bandStart = 0;
    for (int y = 0; y < image.height; ++y) {
        FindRuns(image.pixels.subspan(static_cast<std::size_t>(y) * width, width), key, runs);
        if (runs == band) {
            for (std::size_t i = bandStart; i < rectangles.size(); ++i) {
                rectangles[i].bottom = y + 1;
            }
            continue;
        }
        band.swap(runs);
        bandStart = rectangles.size();
        for (const Run& run : band) rectangles.push_back({run.left, y, run.right, y + 1});
    }
    return rectangles;
}
