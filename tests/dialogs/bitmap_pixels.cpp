#include "bitmap_pixels.h"

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

std::vector<std::uint32_t> Words(int width, int height, const ColourAt& colour) {
    std::vector<std::uint32_t> words;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) words.push_back(PixelWord(colour(x, y)));
    }
    return words;
}

}  // namespace

std::uint32_t PixelWord(COLORREF colour) {
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

PixelImage PixelsOf(HBITMAP bitmap) {
    BITMAP size{};
    if (GetObjectA(bitmap, sizeof(size), &size) != sizeof(size)) return {};
    PixelImage image{size.bmWidth, size.bmHeight, {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    BITMAPINFO format = TopDown32(image.width, image.height);
    const WindowDc screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, image.height, image.pixels.data(), &format,
                  DIB_RGB_COLORS) != image.height) {
        return {};
    }
    for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFF;
    return image;
}

PixelImage PrintedClient(HWND window, int width, int height) {
    BITMAPINFO format = TopDown32(width, height);
    void* bits = nullptr;
    const UniqueBitmap canvas(
        CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    {
        const SelectGuard select(dc.Get(), canvas.Get());
        const UniqueBrush unpainted(CreateSolidBrush(RGB(0xFF, 0x00, 0xFF)));
        const RECT all{0, 0, width, height};
        FillRect(dc.Get(), &all, unpainted.Get());
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        GdiFlush();
    }
    return PixelsOf(canvas.Get());
}

UniqueBitmap DibSection(int width, int height, const ColourAt& colour) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    const int stride = (width * 3 + 3) / 4 * 4;
    auto* rows = static_cast<BYTE*>(bits);
    for (int y = 0; y < height; ++y) {
        BYTE* row = rows + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = colour(x, y);
            row[3 * x] = GetBValue(pixel);
            row[3 * x + 1] = GetGValue(pixel);
            row[3 * x + 2] = GetRValue(pixel);
        }
    }
    return bitmap;
}

UniqueBitmap DeviceBitmap(int width, int height, const ColourAt& colour) {
    const WindowDc screen(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    const std::vector<std::uint32_t> words = Words(width, height, colour);
    BITMAPINFO format = TopDown32(width, height);
    SetDIBits(screen.Get(), bitmap.Get(), 0, height, words.data(), &format, DIB_RGB_COLORS);
    return bitmap;
}
