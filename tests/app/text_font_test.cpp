#include "app/text_font.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FontCase {
    int height;
    const char* face;
    bool bold;
    bool italic;
    LONG width;
    LONG weight;
};

TEST(CreateTextFont, MakesTheFontByTheProgramsRule) {
    const FontCase cases[] = {
        {18, "Arial", true, false, 7, 700},  // the title font
        {14, "Arial", false, true, 6, 500},  // medium and italic
        {-23, "Tahoma", false, false, -10, 500},
    };
    for (const FontCase& row : cases) {
        SCOPED_TRACE(row.height);
        const UniqueFont font = CreateTextFont(row.height, row.face, row.bold, row.italic);
        ASSERT_TRUE(font);
        LOGFONTA info{};
        ASSERT_EQ(GetObjectA(font.Get(), sizeof(info), &info), static_cast<int>(sizeof(info)));
        EXPECT_EQ(info.lfHeight, row.height);
        EXPECT_EQ(info.lfWidth, row.width);
        EXPECT_EQ(info.lfWeight, row.weight);
        EXPECT_EQ(info.lfItalic != 0, row.italic);
        EXPECT_EQ(info.lfEscapement, 0);
        EXPECT_EQ(info.lfOrientation, 0);
        EXPECT_EQ(info.lfUnderline, 0);
        EXPECT_EQ(info.lfStrikeOut, 0);
        EXPECT_EQ(info.lfCharSet, 238);
        EXPECT_EQ(info.lfOutPrecision, OUT_TT_PRECIS);
        EXPECT_EQ(info.lfClipPrecision, CLIP_CHARACTER_PRECIS);
        EXPECT_EQ(info.lfQuality, PROOF_QUALITY);
        EXPECT_EQ(info.lfPitchAndFamily, 0);
        EXPECT_EQ(std::string(info.lfFaceName), row.face);
    }
}

}  // namespace
