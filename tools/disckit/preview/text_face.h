#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "raster.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// A font as the menu asks GDI for one, rasterised with FreeType: the cell height (a positive
// CreateFont height) and the average character width in pixels; a width of 0 keeps the
// face's own proportions. Texts are Windows-1250.
class TextFace {
public:
    static std::optional<TextFace> Open(const std::filesystem::path& file, int cellHeight,
                                        int averageWidth);

    int CellHeight() const { return cellHeight_; }
    int Ascent() const { return ascent_; }
    int Width(std::string_view text) const;
    // Draws the text with its baseline at y, from x on, inside the clip only.
    void Draw(Raster& target, int x, int baseline, std::string_view text, std::uint32_t colour,
              PixelRect clip) const;

private:
    struct Release {
        void operator()(FT_LibraryRec_* library) const;
        void operator()(FT_FaceRec_* face) const;
    };

    std::unique_ptr<FT_LibraryRec_, Release> library_;
    std::unique_ptr<FT_FaceRec_, Release> face_;
    int cellHeight_ = 0;
    int ascent_ = 0;
};
