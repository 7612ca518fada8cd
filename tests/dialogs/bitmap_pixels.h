#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "app/handles.h"

// Pixels read back as 0x00RRGGBB words, the top row first.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
};

std::uint32_t PixelWord(COLORREF colour);

// Every pixel of the bitmap; nothing when it cannot be read.
PixelImage PixelsOf(HBITMAP bitmap);

// What the window paints on WM_PRINTCLIENT into a canvas of that size, first filled with
// kUnpainted.
inline constexpr std::uint32_t kUnpainted = 0xFF00FF;
PixelImage PrintedClient(HWND window, int width, int height);

using ColourAt = std::function<COLORREF(int x, int y)>;
// A bottom-up 24-bit DIB section, as bitmap files load.
UniqueBitmap DibSection(int width, int height, const ColourAt& colour);
// A bitmap of the screen's own format, as bitmap resources load.
UniqueBitmap DeviceBitmap(int width, int height, const ColourAt& colour);
