#include "dialogs/color_key_region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom
         << ")";
}

namespace {

constexpr std::uint32_t kKey = 0x0000FF;  // pure blue as 0x00RRGGBB

// An image drawn in text, one string per row: '.' is the key, '#' dark red, 'b' a blue one
// step off the key.
struct Drawing {
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;

    PixelRows Rows() const { return {pixels, width, height}; }
};

Drawing Draw(const std::vector<std::string>& rows) {
    Drawing drawing;
    drawing.height = static_cast<int>(rows.size());
    drawing.width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    for (const std::string& row : rows) {
        for (const char pixel : row) {
            drawing.pixels.push_back(pixel == '.' ? kKey : pixel == 'b' ? 0x0000FE : 0x800000);
        }
    }
    return drawing;
}

struct DrawnCase {
    const char* rule;
    std::vector<std::string> rows;
    std::vector<PixelRect> expected;
};

class VisibleRectanglesOfDrawing : public testing::TestWithParam<DrawnCase> {};

TEST_P(VisibleRectanglesOfDrawing, AreTheRunsOfNonKeyPixels) {
    const DrawnCase& drawn = GetParam();
    EXPECT_EQ(VisibleRectangles(Draw(drawn.rows).Rows(), kKey), drawn.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ColorKey, VisibleRectanglesOfDrawing,
    testing::Values(
        DrawnCase{"NoKeyPixelGivesTheWholeImage", {"###", "###"}, {{0, 0, 3, 2}}},
        DrawnCase{"AllKeyGivesNothing", {"...", "..."}, {}},
        DrawnCase{"SinglePixelHole",
                  {"###", "#.#", "###"},
                  {{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}}},
        DrawnCase{"SingleVisiblePixel", {"...", ".#.", "..."}, {{1, 1, 2, 2}}},
        DrawnCase{"NearKeyColourStaysVisible",
                  {"b.b", "bbb"},
                  {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 3, 2}}},
        DrawnCase{"RunsTouchingBothRowEnds", {"#..#"}, {{0, 0, 1, 1}, {3, 0, 4, 1}}},
        DrawnCase{"RunsEndingAtOneRowEnd", {"..##", "##.."}, {{2, 0, 4, 1}, {0, 1, 2, 2}}},
        DrawnCase{"IdenticalRowsStretchOneBand",
                  {"#.##", "#.##", "#.##", "...."},
                  {{0, 0, 1, 3}, {2, 0, 4, 3}}},
        DrawnCase{"OnlyTheRowDirectlyAboveJoins",
                  {"#.#", "###", "#.#"},
                  {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 3, 2}, {0, 2, 1, 3}, {2, 2, 3, 3}}},
        DrawnCase{"KeyRowSplitsEqualRows", {"##", "..", "##"}, {{0, 0, 2, 1}, {0, 2, 2, 3}}},
        DrawnCase{
            "SameStartsButOtherEndsDoNotJoin", {"##..", "###."}, {{0, 0, 2, 1}, {0, 1, 3, 2}}}),
    [](const testing::TestParamInfo<DrawnCase>& row) { return std::string(row.param.rule); });

TEST(VisibleRectangles, TopByteIsNoPartOfTheColour) {
    const std::vector<std::uint32_t> pixels{0xFF0000FF, 0x12345678, 0x000000FF};
    EXPECT_EQ(VisibleRectangles({pixels, 3, 1}, kKey), (std::vector<PixelRect>{{1, 0, 2, 1}}));
    EXPECT_EQ(VisibleRectangles({pixels, 3, 1}, 0xAB0000FF),
              (std::vector<PixelRect>{{1, 0, 2, 1}}));
}

TEST(VisibleRectangles, EmptyOrShortImagesGiveNothing) {
    const std::vector<std::uint32_t> pixels(6, 0x800000);
    EXPECT_TRUE(VisibleRectangles({pixels, 0, 6}, kKey).empty());
    EXPECT_TRUE(VisibleRectangles({pixels, 3, 0}, kKey).empty());
    EXPECT_TRUE(VisibleRectangles({pixels, -3, 2}, kKey).empty());
    EXPECT_TRUE(VisibleRectangles({pixels, 4, 2}, kKey).empty());
    EXPECT_EQ(VisibleRectangles({pixels, 2, 3}, kKey), (std::vector<PixelRect>{{0, 0, 2, 3}}));
}

// Random images of key, near-key and other colours: the rectangles cover exactly the
// non-key pixels, never overlap and come in bands from top to bottom, left to right.
TEST(VisibleRectangles, CoverExactlyTheNonKeyPixelsOfRandomImages) {
    const std::uint32_t colours[] = {kKey, kKey, kKey, 0x0000FE, 0x0100FF, 0x0001FF, 0x000000};
    std::mt19937 random(20240611);
    for (int round = 0; round < 200; ++round) {
        const int width = 1 + static_cast<int>(random() % 23);
        const int height = 1 + static_cast<int>(random() % 17);
        // Some rounds repeat rows, so that bands stretch.
        const bool repeatRows = round % 3 == 0;
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool copyAbove = repeatRows && y > 0 && random() % 2 == 0;
                pixels.push_back(copyAbove ? pixels[pixels.size() - width]
                                           : colours[random() % std::size(colours)]);
            }
        }
        std::vector<int> cover(pixels.size(), 0);
        const std::vector<PixelRect> rectangles = VisibleRectangles({pixels, width, height}, kKey);
        for (std::size_t i = 0; i < rectangles.size(); ++i) {
            const PixelRect& rect = rectangles[i];
            ASSERT_LT(rect.left, rect.right);
            ASSERT_LT(rect.top, rect.bottom);
            if (i > 0) {
                const PixelRect& before = rectangles[i - 1];
                const bool sameBand = before.top == rect.top && before.bottom == rect.bottom;
                EXPECT_TRUE(sameBand ? before.right < rect.left : before.bottom <= rect.top)
                    << "round " << round << ", rectangle " << i;
            }
            for (int y = rect.top; y < rect.bottom; ++y) {
                for (int x = rect.left; x < rect.right; ++x) ++cover[y * width + x];
            }
        }
        for (std::size_t p = 0; p < pixels.size(); ++p) {
            ASSERT_EQ(cover[p], pixels[p] == kKey ? 0 : 1) << "round " << round << ", pixel " << p;
        }
    }
}

}  // namespace
