#include "per_pixel_region.h"

#include <utility>

UniqueRegion PerPixelColorKeyRegion(HWND window, HBITMAP bitmap, COLORREF key) {
    BITMAP size{};
    GetObjectA(bitmap, sizeof(size), &size);
    const WindowDc windowDc(window);
    const UniqueMemoryDc memory(CreateCompatibleDC(windowDc.Get()));
    const SelectGuard select(memory.Get(), bitmap);

    UniqueRegion result(CreateRectRgn(0, 0, size.bmWidth, size.bmHeight));
    UniqueRegion collected;
    for (int y = 0; y < size.bmHeight; ++y) {
        for (int x = 0; x < size.bmWidth; ++x) {
            if (GetPixel(memory.Get(), x, y) != key) continue;
            UniqueRegion pixel(CreateRectRgn(x, y, x + 1, y + 1));
            if (!collected) {
                collected = std::move(pixel);
            } else {
                CombineRgn(collected.Get(), collected.Get(), pixel.Get(), RGN_OR);
            }
        }
    }
    if (collected) CombineRgn(result.Get(), result.Get(), collected.Get(), RGN_XOR);
    return result;
}
