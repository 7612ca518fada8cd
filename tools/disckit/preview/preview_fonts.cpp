#include "preview_fonts.h"

std::optional<PreviewFonts> OpenPreviewFonts() {
    std::optional<TextFace> caption = TextFace::Open({"Arial", true, 14, 6});
    std::optional<TextFace> title = TextFace::Open({"Arial", true, 18, 7});
    // The GUI font: 8 points at 96 dpi, an em of 11 pixels.
    std::optional<TextFace> description = TextFace::Open({nullptr, false, -11, 0});
    if (!caption || !title || !description) return std::nullopt;
    return PreviewFonts{std::move(*caption), std::move(*title), std::move(*description)};
}
