#include "dialogs/language_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document_from_text.h"

namespace {

LanguageFile Read(const std::string& text) { return ReadLanguageFile(DocumentFromText(text)); }

std::vector<std::string> Names(const LanguageFile& file) {
    std::vector<std::string> names;
    for (const LanguageButton& button : file.buttons) names.push_back(button.name);
    return names;
}

TEST(LanguageFile, OneLanguageTakesEveryButtonAttribute) {
    const LanguageFile file = Read(
        "<item type=button name=en text=\"English\" image=\"Menu\\en.bmp\" positionX=10 "
        "positionY=20 width=100 height=30 parent=window/>\n");
    ASSERT_EQ(file.buttons.size(), 1u);
    const LanguageButton& button = file.buttons[0];
    EXPECT_EQ(button.name, "en");
    EXPECT_EQ(button.text, "English");
    EXPECT_EQ(button.image, "Menu\\en.bmp");
    EXPECT_EQ(button.x, 10);
    EXPECT_EQ(button.y, 20);
    EXPECT_EQ(button.width, 100);
    EXPECT_EQ(button.height, 30);
    EXPECT_EQ(button.id, 300);
}

TEST(LanguageFile, ButtonsKeepFileOrderWithIdsFrom300) {
    const LanguageFile file = Read(
        "<item type=button name=pl positionX=5/>\n"
        "<window width=300 height=200/>\n"
        "<item type=button name=en positionX=6/>\n"
        "<item type=button name=de positionX=7/>\n");
    EXPECT_EQ(Names(file), (std::vector<std::string>{"pl", "en", "de"}));
    for (size_t n = 0; n < file.buttons.size(); ++n) {
        EXPECT_EQ(file.buttons[n].id, 300 + static_cast<int>(n));
        EXPECT_EQ(file.buttons[n].x, 5 + static_cast<int>(n));
    }
}

TEST(LanguageFile, NoButtonsGivesNoLanguages) {
    const LanguageFile file = Read("<window width=300 height=200/>\n");
    EXPECT_TRUE(file.buttons.empty());
    EXPECT_EQ(file.width, 300);
    EXPECT_EQ(file.height, 200);
}

TEST(LanguageFile, OnlyItemsOfTypeExactlyButtonAreLanguages) {
    const LanguageFile file = Read(
        "<item type=button name=pl/>\n"
        "<item type=Button name=de/>\n"
        "<item type=\"button \" name=cs/>\n"
        "<item type=text name=fr/>\n"
        "<item name=sk/>\n"
        "<Item type=button name=hu/>\n"
        "<button type=button name=it/>\n"
        "<window type=button name=ru/>\n"
        "<item type=button name=en type=text/>\n"
        "<item type=button/>\n");
    EXPECT_EQ(Names(file), (std::vector<std::string>{"pl", "en", ""}));
    EXPECT_EQ(file.buttons.back().id, 302);
}

TEST(LanguageFile, MissingOrMalformedNumbersReadLikeAtoi) {
    const LanguageFile file = Read(
        "<window width=800px height=\" 240\"/>\n"
        "<item type=button name=en positionX=-4 positionY=abc width=12.9/>\n");
    EXPECT_EQ(file.width, 800);
    EXPECT_EQ(file.height, 240);
    const LanguageButton& button = file.buttons.at(0);
    EXPECT_EQ(button.x, -4);
    EXPECT_EQ(button.y, 0);
    EXPECT_EQ(button.width, 12);
    EXPECT_EQ(button.height, 0);
}

struct BackgroundCase {
    const char* rule;
    const char* windows;
    std::optional<uint32_t> background;
};

class LanguageFileBackground : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(LanguageFileBackground, Rule) {
    EXPECT_EQ(Read(GetParam().windows).background, GetParam().background);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFile, LanguageFileBackground,
    ::testing::Values(
        BackgroundCase{"NoWindowKeepsWhite", "<item type=button name=en/>", std::nullopt},
        BackgroundCase{"NoBgcolorKeepsWhite", "<window width=1/>", std::nullopt},
        BackgroundCase{"RedGreenBlue", "<window bgcolor=\"255;128;1\"/>", 0x0180FFu},
        BackgroundCase{"PartsKeepLowEightBits", "<window bgcolor=\"256;0;0\"/>", 0u},
        BackgroundCase{"NegativePartWraps", "<window bgcolor=\"-2;0;300\"/>", 0x2C00FEu},
        BackgroundCase{"MinusOneRedKeepsWhite", "<window bgcolor=\"-1;0;0\"/>", std::nullopt},
        BackgroundCase{"MinusOneBlueKeepsWhite", "<window bgcolor=\"0;0;-1\"/>", std::nullopt},
        BackgroundCase{"OneSeparatorKeepsWhite", "<window bgcolor=\"10;20\"/>", std::nullopt},
        BackgroundCase{"NoSeparatorKeepsWhite", "<window bgcolor=black/>", std::nullopt},
        BackgroundCase{"LaterColourWins", "<window bgcolor=\"1;2;3\"/><window bgcolor=\"4;5;6\"/>",
                       0x060504u},
        BackgroundCase{"LaterMinusOneKeepsEarlierColour",
                       "<window bgcolor=\"1;2;3\"/><window bgcolor=\"-1;5;6\"/>", 0x030201u},
        BackgroundCase{"LaterMalformedKeepsEarlierColour",
                       "<window bgcolor=\"1;2;3\"/><window bgcolor=\"5;6\"/>", 0x030201u},
        BackgroundCase{"LaterWindowWithoutBgcolorKeepsColour",
                       "<window bgcolor=\"1;2;3\"/><window width=5/>", 0x030201u}),
    [](const ::testing::TestParamInfo<BackgroundCase>& param) {
        return std::string(param.param.rule);
    });

TEST(LanguageFile, LaterWindowSetsTheSizeAgain) {
    const LanguageFile file = Read(
        "<window width=300 height=200/>\n"
        "<item type=button name=en/>\n"
        "<window width=640/>\n");
    EXPECT_EQ(file.width, 640);
    EXPECT_EQ(file.height, 0);
}

TEST(LanguageFile, ShownSizeIsTheFilesOrTheRoomOfItsButtons) {
    EXPECT_EQ(ShownSize(Read("<window width=300 height=200/>\n")), (DialogSize{300, 200}));
    EXPECT_EQ(ShownSize(Read("<window width=300/>\n"
                             "<item type=button name=a positionX=10 positionY=5 width=100 "
                             "height=30/>\n"
                             "<item type=button name=b positionX=150 positionY=60 width=40 "
                             "height=20/>\n")),
              (DialogSize{190, 80}));
    EXPECT_EQ(ShownSize(Read("<item type=button name=a positionX=2147483647 positionY=1 "
                             "width=2147483647 height=1/>\n")),
              (DialogSize{2147483647, 2}));
}

TEST(LanguageFile, NoAreaAndNoButtonsGivesNoShownSize) {
    EXPECT_EQ(ShownSize(Read("")), std::nullopt);
    EXPECT_EQ(ShownSize(Read("<window width=0 height=200/>\n")), std::nullopt);
    EXPECT_EQ(ShownSize(Read("<window width=-5 height=-5/>\n<item type=button name=a/>\n")),
              std::nullopt);
}

}  // namespace
