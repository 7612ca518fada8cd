#include "text_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GASP_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <filesystem>
#include <string>

#include "cp1250.h"

namespace fs = std::filesystem;

struct TextFace::Impl {
    struct Release {
        void operator()(FT_LibraryRec_* library) const { FT_Done_FreeType(library); }
        void operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }
    };

    std::unique_ptr<FT_LibraryRec_, Release> library;
    std::unique_ptr<FT_FaceRec_, Release> face;
    int cellHeight = 0;
    int ascent = 0;
    FT_Fixed narrowing = 0x10000;  // 16.16
    // The face's own table says at which sizes its glyphs are drawn without grey levels.
    bool mono = false;

    FT_Int32 LoadFlags() const { return mono ? FT_LOAD_TARGET_MONO : FT_LOAD_DEFAULT; }
    // A glyph's advance as GDI takes it: the hinted one narrowed, up to whole pixels.
    int Advance() const {
        return static_cast<int>((FT_MulFix(face->glyph->metrics.horiAdvance, narrowing) + 63) >> 6);
    }
};

namespace {

// Debian's fonts-liberation2: Liberation Sans has Arial's metrics, and stands in for the GUI
// font too.
std::optional<fs::path> FontFile(bool bold) {
    const char* name = bold ? "LiberationSans-Bold.ttf" : "LiberationSans-Regular.ttf";
    for (const char* folder :
         {"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"}) {
        const fs::path file = fs::path(folder) / name;
        std::error_code error;
        if (fs::exists(file, error)) return file;
    }
    return std::nullopt;
}

}  // namespace

TextFace::TextFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TextFace::TextFace(TextFace&&) noexcept = default;
TextFace& TextFace::operator=(TextFace&&) noexcept = default;
TextFace::~TextFace() = default;

std::optional<TextFace> TextFace::Open(const FontRequest& request) {
    const int cellHeight = request.cellHeight;
    const int averageWidth = request.averageWidth;
    const std::optional<fs::path> file = FontFile(request.bold);
    if (cellHeight == 0 || !file) return std::nullopt;
    auto text = std::make_unique<Impl>();
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return std::nullopt;
    text->library.reset(library);
    FT_Face face = nullptr;
    if (FT_New_Face(library, file->string().c_str(), 0, &face) != 0) return std::nullopt;
    text->face.reset(face);
    // GDI sizes a face by whole pixels per em: as many as give a cell (the Windows ascent
    // plus descent, each rounded) no taller than asked, or the em asked for outright.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (!os2 || os2->usWinAscent + os2->usWinDescent == 0) return std::nullopt;
    const double units = face->units_per_EM;
    const auto scaled = [&](double value, int ppem) {
        return static_cast<int>(std::lround(value * ppem / units));
    };
    const auto cell = [&](int ppem) {
        return scaled(os2->usWinAscent, ppem) + scaled(os2->usWinDescent, ppem);
    };
    int ppem = cellHeight < 0 ? -cellHeight
                              : static_cast<int>(std::lround(
                                    cellHeight * units / (os2->usWinAscent + os2->usWinDescent)));
    while (cellHeight > 0 && ppem > 1 && cell(ppem) > cellHeight) --ppem;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0) return std::nullopt;
    text->cellHeight = cell(ppem);
    text->ascent = scaled(os2->usWinAscent, ppem);
    // A width asked for narrows the glyphs after hinting, by its ratio to the face's own
    // average width at that size.
    const int average = scaled(os2->xAvgCharWidth, ppem);
    if (averageWidth > 0 && average > 0) {
        text->narrowing = static_cast<FT_Fixed>(std::lround(65536.0 * averageWidth / average));
        FT_Matrix narrow{text->narrowing, 0, 0, 0x10000};
        FT_Set_Transform(face, &narrow, nullptr);
    }
    const FT_Int gasp = FT_Get_Gasp(face, static_cast<FT_UInt>(ppem));
    text->mono = gasp != FT_GASP_NO_TABLE && !(gasp & FT_GASP_DO_GRAY);
    return TextFace(std::move(text));
}

int TextFace::CellHeight() const { return impl_->cellHeight; }
int TextFace::Ascent() const { return impl_->ascent; }

int TextFace::Width(std::string_view text) const {
    int width = 0;
    for (const char c : text) {
        const FT_UInt glyph =
            FT_Get_Char_Index(impl_->face.get(), Cp1250CodePoint(static_cast<unsigned char>(c)));
        if (FT_Load_Glyph(impl_->face.get(), glyph, impl_->LoadFlags()) == 0) {
            width += impl_->Advance();
        }
    }
    return width;
}

void TextFace::Draw(Raster& target, int x, int baseline, std::string_view text,
                    std::uint32_t colour, PixelRect clip) const {
    for (const char c : text) {
        const FT_UInt glyph =
            FT_Get_Char_Index(impl_->face.get(), Cp1250CodePoint(static_cast<unsigned char>(c)));
        if (FT_Load_Glyph(impl_->face.get(), glyph, impl_->LoadFlags() | FT_LOAD_RENDER) != 0) {
            continue;
        }
        const FT_GlyphSlot slot = impl_->face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned char* line = bitmap.buffer + row * bitmap.pitch;
                // GDI's 17 levels of grey, or all or nothing.
                const int level = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                      ? (line[column / 8] >> (7 - column % 8) & 1) * 16
                                      : line[column] * 17 / 256;
                BlendGlyphLevel(target, x + slot->bitmap_left + static_cast<int>(column),
                                baseline - slot->bitmap_top + static_cast<int>(row), colour, level,
                                clip);
            }
        }
        x += impl_->Advance();
    }
}
