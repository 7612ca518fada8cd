#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>

#include "text_face.h"

// On Windows the system draws the texts itself, in the fonts the menu asks it for.
struct TextFace::Impl {
    HFONT font = nullptr;
    bool owned = false;
    HDC dc = nullptr;
    int cellHeight = 0;
    int ascent = 0;

    ~Impl() {
        if (dc) DeleteDC(dc);
        if (owned) DeleteObject(font);
    }
};

TextFace::TextFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TextFace::TextFace(TextFace&&) noexcept = default;
TextFace& TextFace::operator=(TextFace&&) noexcept = default;
TextFace::~TextFace() = default;

std::optional<TextFace> TextFace::Open(const FontRequest& request) {
    auto text = std::make_unique<Impl>();
    if (request.face) {
        text->font = CreateFontA(request.cellHeight, request.averageWidth, 0, 0,
                                 request.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                 EASTEUROPE_CHARSET, OUT_TT_PRECIS, CLIP_CHARACTER_PRECIS,
                                 PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, request.face);
        text->owned = text->font != nullptr;
    } else {
        text->font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    text->dc = CreateCompatibleDC(nullptr);
    if (!text->font || !text->dc) return std::nullopt;
    SelectObject(text->dc, text->font);
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(text->dc, &metrics)) return std::nullopt;
    text->cellHeight = metrics.tmHeight;
    text->ascent = metrics.tmAscent;
    return TextFace(std::move(text));
}

int TextFace::CellHeight() const { return impl_->cellHeight; }
int TextFace::Ascent() const { return impl_->ascent; }

int TextFace::Width(std::string_view text) const {
    SIZE size{};
    const int length = static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
    return GetTextExtentPoint32A(impl_->dc, text.data(), length, &size) ? size.cx : 0;
}

void TextFace::Draw(Raster& target, int x, int baseline, std::string_view text,
                    std::uint32_t colour, PixelRect clip) const {
    // Only the characters up to the clip's right edge, white on black in a bitmap of their
    // own; the brightness of each pixel is its coverage.
    const long long room = static_cast<long long>(clip.x) + clip.width - x;
    if (room <= 0 || text.empty()) return;
    int fit = 0;
    SIZE size{};
    const int length = static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
    if (!GetTextExtentExPointA(impl_->dc, text.data(), length,
                               static_cast<int>(std::min<long long>(room, INT_MAX)), &fit, nullptr,
                               &size)) {
        return;
    }
    const int drawn = std::min(fit + 1, length);
    GetTextExtentPoint32A(impl_->dc, text.data(), drawn, &size);
    const int width = std::min<int>(size.cx + impl_->cellHeight, 32767);
    const int height = impl_->cellHeight;
    if (width <= 0 || height <= 0) return;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(impl_->dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;
    HGDIOBJ previous = SelectObject(impl_->dc, bitmap);
    std::fill_n(static_cast<std::uint32_t*>(bits), static_cast<size_t>(width) * height, 0u);
    SetBkMode(impl_->dc, TRANSPARENT);
    SetTextColor(impl_->dc, RGB(255, 255, 255));
    TextOutA(impl_->dc, 0, 0, text.data(), drawn);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const int top = baseline - impl_->ascent;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::uint32_t pixel = pixels[static_cast<size_t>(row) * width + column];
            const int coverage =
                static_cast<int>(std::max({pixel & 255, (pixel >> 8) & 255, (pixel >> 16) & 255}));
            BlendPixel(target, x + column, top + row, colour, coverage, clip);
        }
    }
    SelectObject(impl_->dc, previous);
    DeleteObject(bitmap);
}
