#include "dialogs/info_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/control_test_bed.h"
#include "dialog_script.h"
#include "resources/resource.h"
#include "window_facts.h"

namespace {

struct InfoSeen {
    std::string caption;
    std::string linkClass;
    std::string linkText;
    bool linkVisible = false;
    RECT link{};
    RECT client{};
    RECT dialog{};
};

InfoSeen Look(HWND dialog) {
    InfoSeen seen;
    seen.caption = TextOf(dialog);
    GetClientRect(dialog, &seen.client);
    seen.dialog = ScreenRect(dialog);
    if (HWND link = GetDlgItem(dialog, IDC_INFO_LINK)) {
        seen.linkClass = ClassNameOf(link);
        seen.linkText = TextOf(link);
        seen.linkVisible = IsWindowVisible(link) != FALSE;
        seen.link = RectInParent(link);
    }
    return seen;
}

void PostKey(HWND dialog, WPARAM key) { PostMessageA(dialog, WM_KEYDOWN, key, 0); }

class InfoDialogTest : public ::testing::Test {
protected:
    InfoDialogTest() { MoveWindow(owner_.Handle(), 150, 90, 500, 400, TRUE); }

    INT_PTR Run(std::vector<DialogScript::Step> steps) {
        DialogScript script(std::move(steps));
        const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "IDD_INFO",
                                               owner_.Handle(), InfoDialogProc, 0);
        EXPECT_TRUE(script.Done());
        return result;
    }

    TestParent owner_;
};

TEST_F(InfoDialogTest, ShowsTheHomePageLinkCentredAtTheTop) {
    InfoSeen seen;
    EXPECT_EQ(Run({[&](HWND dialog) {
                  seen = Look(dialog);
                  SendMessageA(dialog, WM_COMMAND, IDOK, 0);
              }}),
              0);
    EXPECT_EQ(seen.caption, "Lumivo");
    EXPECT_EQ(seen.linkClass, "LinkButton");
    EXPECT_EQ(seen.linkText, "     Discmenu       ");
    EXPECT_TRUE(seen.linkVisible);
    EXPECT_EQ(seen.link.left, (seen.client.right - 80) / 2);
    EXPECT_EQ(seen.link.top, 25);
    EXPECT_EQ(seen.link.right - seen.link.left, 80);
    EXPECT_EQ(seen.link.bottom - seen.link.top, 15);
}

TEST_F(InfoDialogTest, StandsCentredOverTheOwner) {
    for (const RECT owner : {RECT{150, 90, 650, 490}, RECT{611, 333, 611 + 301, 333 + 203}}) {
        MoveWindow(owner_.Handle(), owner.left, owner.top, owner.right - owner.left,
                   owner.bottom - owner.top, TRUE);
        RECT dialog{};
        Run({[&](HWND window) {
            dialog = ScreenRect(window);
            SendMessageA(window, WM_COMMAND, IDOK, 0);
        }});
        const POINT expected =
            CentredOver(owner, dialog.right - dialog.left, dialog.bottom - dialog.top);
        EXPECT_EQ(dialog.left, expected.x);
        EXPECT_EQ(dialog.top, expected.y);
    }
}

TEST_F(InfoDialogTest, SecondOpeningShowsTheLinkAgain) {
    InfoSeen first;
    InfoSeen second;
    Run({[&](HWND dialog) {
        first = Look(dialog);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    }});
    DialogScript script({[&](HWND dialog) {
        second = Look(dialog);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    }});
    ShowInfoDialog(GetModuleHandleA(nullptr), owner_.Handle());
    EXPECT_FALSE(script.Abandoned());
    EXPECT_EQ(second.linkClass, "LinkButton");
    EXPECT_EQ(second.linkText, first.linkText);
    EXPECT_TRUE(EqualRect(&second.link, &first.link));
}

struct CloseCase {
    const char* rule;
    void (*act)(HWND dialog);
};

class InfoDialogCloses : public InfoDialogTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(InfoDialogCloses, Rule) {
    DialogScript script({GetParam().act});
    EXPECT_EQ(
        DialogBoxParamA(GetModuleHandleA(nullptr), "IDD_INFO", owner_.Handle(), InfoDialogProc, 0),
        0);
    EXPECT_FALSE(script.Abandoned());
}

INSTANTIATE_TEST_SUITE_P(
    InfoDialog, InfoDialogCloses,
    ::testing::Values(
        CloseCase{"OkButton",
                  [](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }},
        CloseCase{"EnterKey", [](HWND dialog) { PostKey(dialog, VK_RETURN); }},
        CloseCase{"CloseRequest", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.rule); });

class InfoDialogStaysOpen : public InfoDialogTest,
                            public ::testing::WithParamInterface<CloseCase> {};

TEST_P(InfoDialogStaysOpen, Rule) {
    bool openAfterwards = false;
    EXPECT_EQ(Run({GetParam().act,
                   [&](HWND dialog) {
                       openAfterwards = IsWindowVisible(dialog) != FALSE;
                       SendMessageA(dialog, WM_COMMAND, IDOK, 0);
                   }}),
              0);
    EXPECT_TRUE(openAfterwards);
}

INSTANTIATE_TEST_SUITE_P(
    InfoDialog, InfoDialogStaysOpen,
    ::testing::Values(CloseCase{"EscapeKey", [](HWND dialog) { PostKey(dialog, VK_ESCAPE); }},
                      CloseCase{
                          "CancelCommand",
                          [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.rule); });

}  // namespace
