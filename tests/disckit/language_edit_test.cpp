#include "language_edit.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "disc_check.h"
#include "starter_disc.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

class LanguageEditTest : public testing::Test {
protected:
    void SetUp() override { WriteStarterDisc(disc_, {"pl", "en"}); }

    std::string List() const { return TempDir::Read((disc_ / "Menu" / "lang.dat").string()); }

    TempDir dir_;
    fs::path disc_ = dir_.Path("disc");
};

// The third language of a starter disc: a second row, the dialog grown, a clean disc; and out
// of the list again, the list as it was.
TEST_F(LanguageEditTest, AddsALanguageThatChecksCleanAndRemovesItsButton) {
    const std::string before = List();
    const LanguageOutcome added = AddLanguage(disc_, {"de", "en", "Deutsch"});
    ASSERT_EQ(added.refusal, "");
    EXPECT_EQ(TempDir::Read((disc_ / "Menu" / "de.dat").string()),
              TempDir::Read((disc_ / "Menu" / "en.dat").string()));
    EXPECT_TRUE(fs::exists(disc_ / "pomoc_de.txt"));
    EXPECT_TRUE(fs::exists(disc_ / "Menu" / "lang_de.bmp"));
    EXPECT_NE(List().find("<item type=button name=de text=Deutsch image=\"Menu\\lang_de.bmp\" "
                          "positionX=20 positionY=72 width=150 height=40/>\n"),
              std::string::npos)
        << List();
    EXPECT_NE(List().find("height=132"), std::string::npos) << List();
    const DiscCheck check = CheckDisc(disc_);
    EXPECT_EQ(check.findings.Count(Severity::kError), 0);
    EXPECT_EQ(check.findings.Count(Severity::kWarning), 0);

    const LanguageOutcome removed = RemoveLanguage(disc_, "de");
    ASSERT_EQ(removed.refusal, "");
    EXPECT_EQ(removed.lines.size(), 4u);  // the list, and the three files left
    EXPECT_EQ(List().find("name=de"), std::string::npos);
    EXPECT_NE(List(), before);  // the dialog stays as grown
}

TEST_F(LanguageEditTest, RefusesWithTheReasonAndWritesNothing) {
    const std::string before = List();
    const struct {
        NewLanguage language;
        const char* reason;
    } rows[] = {
        {{"PL", "en", ""}, "already offers"},         {{"a b", "en", ""}, "cannot name"},
        {{"nul", "en", ""}, "cannot name"},           {{"de", "xx", ""}, "offers no xx"},
        {{"de", "en", "Say \"hi\""}, "double quote"},
    };
    for (const auto& row : rows) {
        const LanguageOutcome outcome = AddLanguage(disc_, row.language);
        EXPECT_NE(outcome.refusal.find(row.reason), std::string::npos) << outcome.refusal;
        EXPECT_TRUE(outcome.lines.empty());
    }
    EXPECT_EQ(List(), before);
    EXPECT_FALSE(fs::exists(disc_ / "Menu" / "de.dat"));
    EXPECT_NE(RemoveLanguage(disc_, "de").refusal, "");
}

}  // namespace
