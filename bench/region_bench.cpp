// Builds the start banner's window region both ways, from the banner resource: the plain
// union of one region per key pixel, and the run rectangles in one ExtCreateRegion.
// Prints the best time of each and how many times faster the runs are.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "app/handles.h"
#include "dialogs/per_pixel_region.h"
#include "dialogs/region_from_color_key.h"

namespace {

constexpr COLORREF kKeyColour = RGB(0, 0, 255);

template <class Build>
double BestMilliseconds(int runs, Build build) {
    double best = 1e12;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const UniqueRegion region = build();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// GetRegionData asks for room for its header and the rectangles.
DWORD RectangleCount(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    return size > sizeof(RGNDATAHEADER) ? (size - sizeof(RGNDATAHEADER)) / sizeof(RECT) : 0;
}

}  // namespace

int main() {
    const UniqueBitmap banner(LoadBitmapA(GetModuleHandleA(nullptr), "BANER_INTRO"));
    if (!banner) {
        std::printf("BANER_INTRO is missing\n");
        return 1;
    }
    HWND window = GetDesktopWindow();
    const UniqueRegion plain = PerPixelColorKeyRegion(window, banner.Get(), kKeyColour);
    const UniqueRegion runs = RegionFromColorKey(window, banner.Get(), kKeyColour);
    if (!EqualRgn(plain.Get(), runs.Get())) {
        std::printf("the two regions differ\n");
        return 1;
    }

    const double perPixel = BestMilliseconds(
        5, [&] { return PerPixelColorKeyRegion(window, banner.Get(), kKeyColour); });
    const double byRuns =
        BestMilliseconds(200, [&] { return RegionFromColorKey(window, banner.Get(), kKeyColour); });
    std::printf("start banner 500 x 130, region of %lu rectangles\n",
                static_cast<unsigned long>(RectangleCount(runs.Get())));
    std::printf("per-pixel union:  %10.3f ms (best of 5)\n", perPixel);
    std::printf("run rectangles:   %10.3f ms (best of 200)\n", byRuns);
    std::printf("runs are %.1f times faster\n", perPixel / byRuns);
    return 0;
}
