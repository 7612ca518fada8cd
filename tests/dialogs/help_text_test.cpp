#include "dialogs/help_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_dir.h"

namespace {

struct ReadCase {
    const char* rule;
    std::string bytes;
    std::string text;
};

class HelpFileReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HelpFileReading, Rule) {
    TempDir dir;
    EXPECT_EQ(ReadHelpFile(dir.Write("pomoc_en.txt", GetParam().bytes)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    HelpText, HelpFileReading,
    ::testing::Values(ReadCase{"LfLines", "one\ntwo\nthree\n", "one\r\ntwo\r\nthree\r\n"},
                      ReadCase{"CrLfLines", "one\r\ntwo\r\nthree\r\n", "one\r\ntwo\r\nthree\r\n"},
                      ReadCase{"NoFinalLineEnd", "one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n"},
                      ReadCase{"NoFinalCrLf", "one\r\ntwo\r\nthree", "one\r\ntwo\r\nthree\r\n"},
                      ReadCase{"EmptyFile", "", ""},
                      ReadCase{"EndsAtCtrlZ", "one\ntw\x1ao\n", "one\r\ntw\r\n"},
                      ReadCase{"EmptyLinesKept", "\none\n\n", "\r\none\r\n\r\n"},
                      ReadCase{"LoneCrStays", "a\rb\nc\r", "a\rb\r\nc\r\r\n"},
                      ReadCase{"OnlyLastCrBeforeLfGoes", "a\r\r\n", "a\r\r\n"},
                      ReadCase{"BytesKept", std::string("Pomoc: \xB9\xE6\x9C\0x\n", 13),
                               std::string("Pomoc: \xB9\xE6\x9C\0x\r\n", 14)}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.rule); });

TEST(HelpText, UnopenableFileGivesNothing) {
    TempDir dir;
    EXPECT_EQ(ReadHelpFile(dir.Path("pomoc_en.txt")), std::nullopt);
}

TEST(HelpText, FileNameCarriesTheLanguage) {
    EXPECT_EQ(HelpFileName("xyz"), "pomoc_xyz.txt");
    EXPECT_EQ(HelpFileName(""), "pomoc_.txt");
}

// The help files lie in the current directory.
class HelpTextInFolder : public ::testing::Test {
protected:
    HelpTextInFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.Path(""));
    }
    ~HelpTextInFolder() override { std::filesystem::current_path(previous_); }

    TempDir dir_;
    std::filesystem::path previous_;
};

TEST_F(HelpTextInFolder, ReadsTheLanguagesFile) {
    dir_.Write("pomoc_en.txt", "English help\n");
    dir_.Write("pomoc_pl.txt", "Pomoc\n");
    const std::string language = "pl";
    EXPECT_EQ(HelpText(&language), "Pomoc\r\n");
}

TEST_F(HelpTextInFolder, MissingOrHugeFileSaysItCannotBeRead) {
    const std::string language = "en";
    EXPECT_EQ(HelpText(&language), "Couldn't read help file.");
    dir_.Sparse("pomoc_en.txt", 1'500'000'000);
    EXPECT_EQ(HelpText(&language), "Couldn't read help file.");
}

TEST_F(HelpTextInFolder, NoLanguageSaysThereIsNoFile) {
    dir_.Write("pomoc_.txt", "unnamed\n");
    EXPECT_EQ(HelpText(nullptr), "Couldn't find help file.");
}

}  // namespace
