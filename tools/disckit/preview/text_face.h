#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "raster.h"

// A font as the menu asks GDI for one: a face name, or none for the system's GUI font, the
// weight, the height as CreateFont takes it (positive: the cell's, negative: the em's) and the
// average character width in pixels (0 keeps the face's proportions).
struct FontRequest {
    const char* face = nullptr;
    bool bold = false;
    int cellHeight = 0;
    int averageWidth = 0;
};

// Texts drawn in one font: with FreeType on Linux, with GDI itself on Windows. Texts are
// Windows-1250.
class TextFace {
public:
    // Nothing when the font cannot be had (on Linux: Debian's fonts-liberation2 is missing).
    static std::optional<TextFace> Open(const FontRequest& request);

    TextFace(TextFace&&) noexcept;
    TextFace& operator=(TextFace&&) noexcept;
    ~TextFace();

    int CellHeight() const;
    int Ascent() const;
    int Width(std::string_view text) const;
    // Draws the text with its baseline at y, from x on, inside the clip only.
    void Draw(Raster& target, int x, int baseline, std::string_view text, std::uint32_t colour,
              PixelRect clip) const;

    struct Impl;

private:
    explicit TextFace(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl_;
};
