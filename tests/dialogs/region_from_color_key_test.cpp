#include "dialogs/region_from_color_key.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "bitmap_pixels.h"
#include "per_pixel_region.h"

namespace {

constexpr COLORREF kKey = RGB(0, 0, 255);

int RectangleCount(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> data(size);
    if (size == 0 || GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) != size) {
        return -1;
    }
    return static_cast<int>(reinterpret_cast<const RGNDATA*>(data.data())->rdh.nCount);
}

testing::AssertionResult EqualsPerPixelUnion(HBITMAP bitmap) {
    HWND window = GetDesktopWindow();
    const UniqueRegion runs = RegionFromColorKey(window, bitmap, kKey);
    const UniqueRegion pixels = PerPixelColorKeyRegion(window, bitmap, kKey);
    if (!runs) return testing::AssertionFailure() << "no region";
    if (EqualRgn(runs.Get(), pixels.Get())) return testing::AssertionSuccess();
    RECT runBox{};
    RECT pixelBox{};
    GetRgnBox(runs.Get(), &runBox);
    GetRgnBox(pixels.Get(), &pixelBox);
    return testing::AssertionFailure()
           << "run region of " << RectangleCount(runs.Get()) << " rectangles in (" << runBox.left
           << ", " << runBox.top << ")-(" << runBox.right << ", " << runBox.bottom
           << "), per-pixel one of " << RectangleCount(pixels.Get()) << " in (" << pixelBox.left
           << ", " << pixelBox.top << ")-(" << pixelBox.right << ", " << pixelBox.bottom << ")";
}

// Key and colours one step off it on each channel, with rows of all key and of no key.
COLORREF Patterned(int x, int y) {
    static const COLORREF colours[] = {kKey,           kKey,           RGB(0, 0, 254),
                                       RGB(1, 0, 255), RGB(0, 1, 255), RGB(200, 30, 40)};
    static const std::vector<COLORREF> chosen = [] {
        std::mt19937 random(130500);
        std::vector<COLORREF> values(64 * 64);
        for (COLORREF& value : values) value = colours[random() % std::size(colours)];
        return values;
    }();
    if (y == 3) return kKey;
    if (y == 7) return RGB(0, 0, 254);
    if (y >= 10 && y < 14) return chosen[x];  // equal rows
    return chosen[(y * 64 + x) % chosen.size()];
}

TEST(RegionFromColorKey, BannerResourceEqualsPerPixelUnion) {
    const UniqueBitmap banner(LoadBitmapA(GetModuleHandleA(nullptr), "BANER_INTRO"));
    ASSERT_TRUE(banner);
    EXPECT_TRUE(EqualsPerPixelUnion(banner.Get()));
}

TEST(RegionFromColorKey, PatternedDibSectionEqualsPerPixelUnion) {
    // An odd width, so 24-bit rows carry padding.
    const UniqueBitmap bitmap = DibSection(37, 23, Patterned);
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(EqualsPerPixelUnion(bitmap.Get()));
}

TEST(RegionFromColorKey, PatternedDeviceBitmapEqualsPerPixelUnion) {
    const UniqueBitmap bitmap = DeviceBitmap(61, 29, Patterned);
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(EqualsPerPixelUnion(bitmap.Get()));
}

// More than 8,000 rectangles go into the one ExtCreateRegion call.
TEST(RegionFromColorKey, CheckerboardEqualsPerPixelUnion) {
    const UniqueBitmap bitmap =
        DibSection(128, 128, [](int x, int y) { return (x + y) % 2 ? kKey : RGB(0, 0, 0); });
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(EqualsPerPixelUnion(bitmap.Get()));
}

TEST(RegionFromColorKey, NearKeyColoursStayInTheRegion) {
    const COLORREF row[] = {RGB(0, 0, 254), kKey, RGB(1, 0, 255), RGB(0, 1, 255), kKey};
    const UniqueBitmap bitmap = DibSection(5, 1, [&](int x, int) { return row[x]; });
    const UniqueRegion region = RegionFromColorKey(nullptr, bitmap.Get(), kKey);
    ASSERT_TRUE(region);
    EXPECT_TRUE(PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 1, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 2, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 3, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 4, 0));
}

TEST(RegionFromColorKey, NoKeyPixelGivesTheWholeRectangle) {
    const UniqueBitmap bitmap = DibSection(50, 20, [](int, int) { return RGB(0, 0, 254); });
    const UniqueRegion region = RegionFromColorKey(nullptr, bitmap.Get(), kKey);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 50);
    EXPECT_EQ(box.bottom, 20);
}

TEST(RegionFromColorKey, AllKeyGivesAnEmptyRegion) {
    const UniqueBitmap bitmap = DibSection(50, 20, [](int, int) { return kKey; });
    const UniqueRegion region = RegionFromColorKey(nullptr, bitmap.Get(), kKey);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
}

TEST(RegionFromColorKey, MissingBitmapGivesAnEmptyRegion) {
    const UniqueRegion region = RegionFromColorKey(nullptr, nullptr, kKey);
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
}

}  // namespace
