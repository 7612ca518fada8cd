#include "audio/player_config.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "document_from_text.h"
#include "temp_dir.h"

namespace {

PlayerConfig Read(std::string_view text) { return ReadPlayerConfig(DocumentFromText(text)); }

TEST(PlayerConfig, ReadsAFullPlayer) {
    const PlayerConfig config = Read(
        "<window width=480 height=320/>\n"
        "<audio type=mp3 file=\"Menu\\chime.wav\"/>\n"
        "<item type=button name=close text=\"X\" image=\"Menu\\x.bmp\" positionX=440 "
        "positionY=8 width=32 height=30/>\n"
        "<item type=button name=start text=\"Graj\" image=\"Menu\\s.bmp\" positionX=40 "
        "positionY=200 width=120 height=40/>\n"
        "<item type=region name=status positionX=10 positionY=20 width=300 height=24/>\n");
    EXPECT_EQ(config.width, 480);
    EXPECT_EQ(config.height, 320);
    EXPECT_EQ(config.mode, "mp3");
    EXPECT_EQ(config.file, "Menu\\chime.wav");
    const std::vector<PlayerButton> expected{
        {"X", "Menu\\x.bmp", 440, 8, 32, 30, player_id::kClose},
        {"Graj", "Menu\\s.bmp", 40, 200, 120, 40, player_id::kStart}};
    EXPECT_EQ(config.buttons, expected);
    EXPECT_EQ(config.status, (StatusRect{10, 20, 310, 44}));
}

struct ConfigCase {
    const char* rule;
    const char* text;
    int width;
    int height;
    const char* mode;
    const char* file;
};

class PlayerConfigRule : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(PlayerConfigRule, Holds) {
    const ConfigCase& rule = GetParam();
    const PlayerConfig config = Read(rule.text);
    EXPECT_EQ(config.width, rule.width);
    EXPECT_EQ(config.height, rule.height);
    EXPECT_EQ(config.mode, rule.mode);
    EXPECT_EQ(config.file, rule.file);
}

INSTANTIATE_TEST_SUITE_P(
    PlayerConfig, PlayerConfigRule,
    ::testing::Values(
        ConfigCase{"NoWindowElementIsZeroByZero", "<audio type=cda/>", 0, 0, "cda", ""},
        ConfigCase{"SecondWindowWins", "<window width=10 height=20/><window width=30/>", 30, 20, "",
                   ""},
        ConfigCase{"AudioAnywhereOverwrites",
                   "<audio type=cda file=a.wav/><window width=5/><audio type=mp3/>", 5, 0, "mp3",
                   "a.wav"},
        ConfigCase{"NumbersReadLikeAtoi", "<window width=\"  42px\" height=abc/>", 42, 0, "", ""},
        ConfigCase{"NamesMatchByteForByte", "<Window width=9/><audio Type=cda TYPE=mp3/>", 0, 0, "",
                   ""},
        ConfigCase{"FirstOfTwoEqualKeysIsRead", "<window width=1 width=2/>", 1, 0, "", ""}),
    [](const ::testing::TestParamInfo<ConfigCase>& param) {
        return std::string(param.param.rule);
    });

TEST(PlayerConfig, ButtonsWithOtherNamesOrTypesMakeNothing) {
    const PlayerConfig config = Read(
        "<item type=button name=pause image=p.bmp/>\n"
        "<item type=region name=start/>\n"
        "<item type=button name=Stop/>\n"
        "<item name=stop/>\n"
        "<item type=button name=stop positionX=-5/>\n");
    ASSERT_EQ(config.buttons.size(), 1u);
    EXPECT_EQ(config.buttons[0].controlId, player_id::kStop);
    EXPECT_EQ(config.buttons[0].x, -5);
}

TEST(PlayerConfig, RegionsOtherThanStatusAreIgnoredAndTheLastStatusWins) {
    const PlayerConfig config = Read(
        "<item type=region name=status positionX=1 positionY=2 width=3 height=4/>\n"
        "<item type=region name=title positionX=50 positionY=50 width=5 height=5/>\n"
        "<item type=region name=status positionX=7 positionY=8 width=10 height=20/>\n");
    EXPECT_EQ(config.status, (StatusRect{7, 8, 17, 28}));
    EXPECT_TRUE(config.buttons.empty());
}

TEST(PlayerConfig, HugeStatusSizeStopsAtTheLargestEdge) {
    const PlayerConfig config = Read(
        "<item type=region name=status positionX=2000000000 positionY=-2000000000 "
        "width=2000000000 height=-2000000000/>");
    EXPECT_EQ(config.status, (StatusRect{2000000000, -2000000000, INT_MAX, INT_MIN}));
}

TEST(PlayerConfig, ButtonIds) {
    EXPECT_EQ(PlayerButtonId("close"), 151);
    EXPECT_EQ(PlayerButtonId("start"), 152);
    EXPECT_EQ(PlayerButtonId("stop"), 153);
    EXPECT_EQ(PlayerButtonId("pause"), 0);
    EXPECT_EQ(PlayerButtonId(""), 0);
}

class PlayerConfigFileTest : public ::testing::Test {
protected:
    PlayerConfigFile Load(ConfigDocument& document) {
        return LoadPlayerConfig(document, dir_.Path("cda.dat"), dir_.Path("cda.bin"));
    }

    TempDir dir_;
};

TEST_F(PlayerConfigFileTest, NeitherFormIsNotFound) {
    ConfigDocument document;
    EXPECT_EQ(Load(document), PlayerConfigFile::kNotFound);
}

TEST_F(PlayerConfigFileTest, FileWithoutElementsIsEmpty) {
    dir_.Write("cda.dat", "just text, no element\n");
    ConfigDocument document;
    EXPECT_EQ(Load(document), PlayerConfigFile::kEmpty);
}

TEST_F(PlayerConfigFileTest, TextFormComesFirst) {
    dir_.Write("cda.dat", "<audio type=cda/>");
    ConfigDocument binary = DocumentFromText("<audio type=mp3/>");
    ASSERT_EQ(binary.SaveBinary(dir_.Path("cda.bin")), 0);
    ConfigDocument document;
    ASSERT_EQ(Load(document), PlayerConfigFile::kLoaded);
    EXPECT_EQ(ReadPlayerConfig(document).mode, "cda");
}

TEST_F(PlayerConfigFileTest, ByteWiseFormWhenTheTextFormIsMissing) {
    ConfigDocument binary = DocumentFromText("<audio type=mp3/>");
    ASSERT_EQ(binary.SaveBinary(dir_.Path("cda.bin")), 0);
    ConfigDocument document;
    ASSERT_EQ(Load(document), PlayerConfigFile::kLoaded);
    EXPECT_EQ(ReadPlayerConfig(document).mode, "mp3");
}

}  // namespace
