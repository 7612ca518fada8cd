#include "preview_fonts.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> FontFile(const std::string& name) {
    for (const char* folder :
         {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"}) {
        const fs::path file = fs::path(folder) / name;
        std::error_code error;
        if (fs::exists(file, error)) return file;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PreviewFonts> OpenPreviewFonts() {
    const std::optional<fs::path> bold = FontFile("LiberationSans-Bold.ttf");
    const std::optional<fs::path> regular = FontFile("LiberationSans-Regular.ttf");
    if (!bold || !regular) return std::nullopt;
    std::optional<TextFace> caption = TextFace::Open(*bold, 14, 6);
    std::optional<TextFace> title = TextFace::Open(*bold, 18, 7);
    // The GUI font: 8 points at 96 dpi, a cell of 13 pixels.
    std::optional<TextFace> description = TextFace::Open(*regular, 13, 0);
    if (!caption || !title || !description) return std::nullopt;
    return PreviewFonts{std::move(*caption), std::move(*title), std::move(*description)};
}
