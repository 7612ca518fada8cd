#include "text_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>

#include "cp1250.h"

void TextFace::Release::operator()(FT_LibraryRec_* library) const { FT_Done_FreeType(library); }
void TextFace::Release::operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }

std::optional<TextFace> TextFace::Open(const std::filesystem::path& file, int cellHeight,
                                       int averageWidth) {
    if (cellHeight <= 0) return std::nullopt;
    TextFace text;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return std::nullopt;
    text.library_.reset(library);
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.string().c_str(), 0, &face) != 0) return std::nullopt;
    text.face_.reset(face);
    // GDI's cell height is the Windows ascent plus descent; its width scales the average
    // character width of the OS/2 table.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double units = face->units_per_EM;
    const double cell = os2 ? os2->usWinAscent + os2->usWinDescent : face->height;
    const double emHeight = cellHeight * units / cell;
    double emWidth = emHeight;
    if (averageWidth > 0 && os2 && os2->xAvgCharWidth > 0) {
        emWidth = averageWidth * units / os2->xAvgCharWidth;
    }
    if (FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(emWidth * 64)),
                         static_cast<FT_F26Dot6>(std::lround(emHeight * 64)), 72, 72) != 0) {
        return std::nullopt;
    }
    text.cellHeight_ = cellHeight;
    const double ascent = os2 ? os2->usWinAscent : face->ascender;
    text.ascent_ = static_cast<int>(std::lround(ascent * emHeight / units));
    return text;
}

int TextFace::Width(std::string_view text) const {
    int width = 0;
    for (const char c : text) {
        const FT_UInt glyph =
            FT_Get_Char_Index(face_.get(), Cp1250CodePoint(static_cast<unsigned char>(c)));
        if (FT_Load_Glyph(face_.get(), glyph, FT_LOAD_DEFAULT) == 0) {
            width += static_cast<int>((face_->glyph->advance.x + 32) >> 6);
        }
    }
    return width;
}

void TextFace::Draw(Raster& target, int x, int baseline, std::string_view text,
                    std::uint32_t colour, PixelRect clip) const {
    for (const char c : text) {
        const FT_UInt glyph =
            FT_Get_Char_Index(face_.get(), Cp1250CodePoint(static_cast<unsigned char>(c)));
        if (FT_Load_Glyph(face_.get(), glyph, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face_->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned char coverage = bitmap.buffer[row * bitmap.pitch + column];
                BlendPixel(target, x + slot->bitmap_left + static_cast<int>(column),
                           baseline - slot->bitmap_top + static_cast<int>(row), colour, coverage,
                           clip);
            }
        }
        x += static_cast<int>((slot->advance.x + 32) >> 6);
    }
}
