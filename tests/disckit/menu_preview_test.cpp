#include "menu_preview.h"

#include <gtest/gtest.h>

#include "config_source.h"
#include "disc_files.h"
#include "picture_decode.h"
#include "preview_fonts.h"
#include "text_layout.h"

namespace {

class MenuPreviewTest : public ::testing::Test {
protected:
    std::optional<Raster> Render(const PreviewState& state) {
        Pictures pictures(disc_);
        return RenderMenu(menu_->Document(), state, *fonts_, pictures);
    }

    Raster Picture(const char* name) { return *DecodePicture(*disc_.Read(disc_.Resolve(name))); }

    DiscFiles disc_{DEMO_DISC};
    std::optional<ConfigSource> menu_ = ConfigSource::Load(disc_, "Menu\\en.dat", "Menu\\en.bin");
    std::optional<PreviewFonts> fonts_ = OpenPreviewFonts();
};

// The selected menu's button shows its third (disabled) frame; a "lista" banner is drawn
// except while "pelne" is current; a hovered button shows its second frame.
TEST_F(MenuPreviewTest, DrawsNavigationStatesFromTheMenusOwnModel) {
    ASSERT_TRUE(menu_ && fonts_) << "fonts-liberation2 and the demo disc are needed";
    const Raster category = Picture("Menu\\btn_category.bmp");
    const Raster list = Picture("Menu\\banner_list.jpg");
    const Raster background = Picture("Menu\\menumain.jpg");
    const Raster close = Picture("Menu\\btn_close.bmp");

    const std::optional<Raster> start = Render({});
    ASSERT_TRUE(start);
    EXPECT_EQ(start->width, 800);
    EXPECT_EQ(start->height, 600);
    EXPECT_EQ(start->At(16 + 3, 76 + 3), category.At(2 * 180 + 3, 3));  // "demo", selected
    EXPECT_EQ(start->At(16 + 3, 124 + 3), category.At(3, 3));           // "pelne"
    EXPECT_EQ(start->At(16 + 90, 228 + 10), list.At(90, 10));
    EXPECT_EQ(start->At(764 + 2, 16 + 14), close.At(2, 14));

    PreviewState full;
    full.menu = "pelne";
    full.hover = 1000;
    const std::optional<Raster> shown = Render(full);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->At(16 + 90, 228 + 10), background.At(16 + 90, 228 + 10));
    EXPECT_EQ(shown->At(764 + 2, 16 + 14), close.At(28 + 2, 14));
    EXPECT_EQ(shown->At(16 + 3, 124 + 3), category.At(2 * 180 + 3, 3));
}

TEST_F(MenuPreviewTest, RefusesStatesTheMenuCannotReach) {
    ASSERT_TRUE(menu_ && fonts_);
    for (const PreviewState& state : {PreviewState{"nope", 1, {}, {}}, PreviewState{"", 9, {}, {}},
                                      PreviewState{"demo", 1, 40, {}}}) {
        EXPECT_FALSE(Render(state)) << state.menu << " " << state.page;
    }
}

// A JPEG cut short or broken after its start is decoded as far as it goes or refused, and a
// whole one has its size.
TEST_F(MenuPreviewTest, DecodesBrokenJpegsSafely) {
    const std::string whole = *disc_.Read(disc_.Resolve("Menu\\menumain.jpg"));
    const std::optional<Raster> picture = DecodePicture(whole);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 800);
    EXPECT_EQ(picture->height, 600);
    for (const std::string& bytes :
         {whole.substr(0, 2), whole.substr(0, 700), whole.substr(0, whole.size() / 2),
          whole.substr(0, 2) + std::string(5000, '\xFF'), whole.substr(0, 400) + "junk"}) {
        const std::optional<Raster> cut = DecodePicture(bytes);
        if (cut) {
            EXPECT_EQ(cut->pixels.size(), static_cast<size_t>(cut->width) * cut->height);
        }
    }
}

TEST(TextLayoutTest, DrawsTextWithoutItsPrefixMarks) {
    for (const auto& [text, shown] : {std::pair{"A&B", "AB"}, {"a&&b", "a&b"}, {"end&", "end"}}) {
        EXPECT_EQ(WithoutPrefixes(text), shown);
    }
}

}  // namespace
