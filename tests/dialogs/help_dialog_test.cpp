#include "dialogs/help_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/control_test_bed.h"
#include "current_directory_scope.h"
#include "dialog_script.h"
#include "resources/resource.h"
#include "temp_dir.h"
#include "window_facts.h"

namespace {

struct HelpSeen {
    std::string caption;
    std::string text;
    RECT dialog{};
};

// The help files in a folder made the current directory, and an owner window to centre on.
class HelpDialogTest : public ::testing::Test {
protected:
    // Opens the dialog for the language (none for null), reads it and closes it by WM_CLOSE.
    HelpSeen Open(const std::string* language) {
        HelpSeen seen;
        DialogScript script({[&](HWND dialog) {
            seen.caption = TextOf(dialog);
            seen.text = TextOf(GetDlgItem(dialog, IDC_HELP_TEXT));
            seen.dialog = ScreenRect(dialog);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }});
        if (language) {
            ShowHelpDialog(GetModuleHandleA(nullptr), owner_.Handle(), *language);
        } else {
            EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), "Pomoc", owner_.Handle(),
                                      HelpDialogProc, 0),
                      0);
        }
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(script.Abandoned());
        EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
        return seen;
    }

    TempDir dir_;
    CurrentDirectoryScope folder_{dir_.Path("")};
    TestParent owner_;
    const std::string english_ = "en";
};

TEST_F(HelpDialogTest, ShowsTheLanguagesFileWithCrLfLineEnds) {
    dir_.Write("pomoc_en.txt", "Menu pomocy\nZażółć gęślą jaźń\n\nKoniec");
    dir_.Write("pomoc_pl.txt", "not this one\n");
    const HelpSeen seen = Open(&english_);
    EXPECT_EQ(seen.caption, "?");
    EXPECT_EQ(seen.text, "Menu pomocy\r\nZażółć gęślą jaźń\r\n\r\nKoniec\r\n");
}

TEST_F(HelpDialogTest, MissingFileSaysItCannotBeRead) {
    EXPECT_EQ(Open(&english_).text, "Couldn't read help file.");
}

TEST_F(HelpDialogTest, NoLanguageSaysThereIsNoFile) {
    EXPECT_EQ(Open(nullptr).text, "Couldn't find help file.");
}

TEST_F(HelpDialogTest, ReadsTheFileAnewAtEveryOpening) {
    dir_.Write("pomoc_en.txt", "first\n");
    EXPECT_EQ(Open(&english_).text, "first\r\n");
    dir_.Write("pomoc_en.txt", "second\n");
    EXPECT_EQ(Open(&english_).text, "second\r\n");
}

struct OwnerCase {
    const char* rule;
    RECT owner;
};

class HelpDialogCentring : public HelpDialogTest,
                           public ::testing::WithParamInterface<OwnerCase> {};

TEST_P(HelpDialogCentring, Rule) {
    dir_.Write("pomoc_en.txt", "text\n");
    const RECT& owner = GetParam().owner;
    MoveWindow(owner_.Handle(), owner.left, owner.top, owner.right - owner.left,
               owner.bottom - owner.top, TRUE);
    const RECT dialog = Open(&english_).dialog;
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    const POINT expected = CentredOver(owner, width, height);
    EXPECT_EQ(dialog.left, expected.x);
    EXPECT_EQ(dialog.top, expected.y);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
}

INSTANTIATE_TEST_SUITE_P(
    HelpDialog, HelpDialogCentring,
    ::testing::Values(OwnerCase{"OwnerLargerThanDialog", {37, 51, 37 + 901, 51 + 655}},
                      OwnerCase{"OwnerSmallerThanDialog", {500, 300, 500 + 201, 300 + 151}},
                      OwnerCase{"OwnerPartlyOffScreen", {-40, 10, -40 + 640, 10 + 480}}),
    [](const ::testing::TestParamInfo<OwnerCase>& param) { return std::string(param.param.rule); });

}  // namespace
