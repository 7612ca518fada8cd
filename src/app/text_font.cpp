#include "app/text_font.h"

#include "app/font_rule.h"

UniqueFont CreateTextFont(int height, const std::string& face, bool bold, bool italic) {
    return UniqueFont(CreateFontA(height, FontWidthForHeight(height), 0, 0, bold ? 700 : 500,
                                  italic, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_TT_PRECIS,
                                  CLIP_CHARACTER_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  face.c_str()));
}
