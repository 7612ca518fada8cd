#include "preview_fonts.h"

std::optional<PreviewFonts> OpenPreviewFonts() {
    std::optional<TextFace> caption = TextFace::Open({"Arial", true, 14, 6});
    std::optional<TextFace> title = TextFace::Open({"Arial", true, 18, 7});
    // The GUI font: 8 points at 96 dpi, a cell of 13 pixels.
    std::optional<TextFace> description = TextFace::Open({nullptr, false, 13, 0});
    if (!caption || !title || !description) return std::nullopt;
    return PreviewFonts{std::move(*caption), std::move(*title), std::move(*description)};
}
