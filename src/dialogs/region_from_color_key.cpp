#include "dialogs/region_from_color_key.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "dialogs/color_key_region.h"

namespace {

// GetDIBits' 32-bit pixels read as 0x00RRGGBB words.
std::uint32_t PixelWord(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// One ExtCreateRegion call, however many rectangles: RGNDATA is its header followed directly
// by the RECTs.
UniqueRegion RegionFromRectangles(const std::vector<PixelRect>& rectangles, int width, int height) {
    RGNDATAHEADER header{};
    header.dwSize = sizeof(header);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(rectangles.size());
    header.nRgnSize = static_cast<DWORD>(rectangles.size() * sizeof(RECT));
    header.rcBound = {0, 0, width, height};

    std::vector<std::byte> data(sizeof(header) + header.nRgnSize);
    std::memcpy(data.data(), &header, sizeof(header));
    std::byte* next = data.data() + sizeof(header);
    for (const PixelRect& rectangle : rectangles) {
        const RECT rect{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom};
        std::memcpy(next, &rect, sizeof(rect));
        next += sizeof(rect);
    }
    return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                        reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

UniqueRegion RegionFromColorKey(HWND window, HBITMAP bitmap, COLORREF key) {
    BITMAP size{};
    if (!bitmap || GetObjectA(bitmap, sizeof(size), &size) != sizeof(size) || size.bmWidth <= 0 ||
        size.bmHeight <= 0) {
        return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
    }
    const int width = size.bmWidth;
    const int height = size.bmHeight;

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const WindowDc dc(window);
    if (GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &format,
                  DIB_RGB_COLORS) != height) {
        return UniqueRegion(CreateRectRgn(0, 0, width, height));
    }
    return RegionFromRectangles(VisibleRectangles({pixels, width, height}, PixelWord(key)), width,
                                height);
}
