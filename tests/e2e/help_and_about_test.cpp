#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "bitmap_strip.h"
#include "harness/input.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"
#include "menu_scenario.h"

namespace {

constexpr int kHelpButton = 1002;
constexpr int kStarButton = 104;
constexpr int kHelpText = 102;
constexpr int kHomePageLink = 106;

// The menu with a help button and a star button, the one that opens the about box.
class HelpAndAboutScenario : public MenuScenario {
protected:
    HelpAndAboutScenario() {
        Disc().Write("Menu\\en.dat",
                     "<window title=\"Demo menu\" width=641 height=300/>\n"
                     "<item type=button name=help text=\"?\" image=\"Menu\\help.bmp\" "
                     "positionX=20 positionY=20 width=60 height=30/>\n"
                     "<item type=button name=star text=\"*\" image=\"Menu\\star.bmp\" "
                     "positionX=100 positionY=20 width=60 height=30/>\n");
        const std::string strip =
            BitmapStrip(60, 30, {RGB(200, 200, 200), RGB(150, 190, 240), RGB(90, 90, 90)});
        Disc().Write("Menu\\help.bmp", strip);
        Disc().Write("Menu\\star.bmp", strip);
    }

    // Starts the menu and clicks one of its buttons; false when that could not be done.
    bool StartAndClick(int id) {
        StartMenu();
        main_ = WaitForMainWindow();
        HWND button = main_ ? e2e::ControlById(main_, id) : nullptr;
        return button && e2e::ClickCentre(button);
    }

    // The visible dialog with that caption that the main window owns; null when none shows.
    HWND WaitForOwnedDialog(const char* caption) const {
        HWND found = nullptr;
        e2e::WaitUntil(kTimeout, [&] {
            found = FindWindowA(e2e::kDialogClass, caption);
            return found && IsWindowVisible(found) && GetWindow(found, GW_OWNER) == main_;
        });
        return found && GetWindow(found, GW_OWNER) == main_ ? found : nullptr;
    }

    // The dialog stands centred over the main window.
    void ExpectCentredOverMain(HWND dialog) const {
        const RECT outer = e2e::Describe(main_).rect;
        const RECT inner = e2e::Describe(dialog).rect;
        const int width = inner.right - inner.left;
        const int height = inner.bottom - inner.top;
        EXPECT_EQ(inner.left, outer.left + (outer.right - outer.left - width) / 2);
        EXPECT_EQ(inner.top, outer.top + (outer.bottom - outer.top - height) / 2);
    }

    static bool WaitForClosing(HWND dialog) {
        return e2e::WaitUntil(kTimeout, [dialog] { return !IsWindow(dialog); });
    }

    // Closes the menu and expects the program to end with 0.
    void CloseMenu() {
        ASSERT_TRUE(PostMessageA(main_, WM_CLOSE, 0, 0));
        EXPECT_EQ(WaitForExit(), 0u);
    }

    HWND main_ = nullptr;
};

TEST_F(HelpAndAboutScenario, HelpButtonShowsTheHelpFileWithCrLfLineEnds) {
    Disc().Write("pomoc_en.txt", "Pomoc do menu\nZażółć gęślą jaźń\n\nKoniec");
    ASSERT_TRUE(StartAndClick(kHelpButton));
    HWND dialog = WaitForOwnedDialog("?");
    ASSERT_NE(dialog, nullptr);

    HWND text = e2e::ControlById(dialog, kHelpText);
    EXPECT_EQ(e2e::ControlText(text), "Pomoc do menu\r\nZażółć gęślą jaźń\r\n\r\nKoniec\r\n");
    // No tab stop; the edit control itself trades WS_BORDER for a client edge.
    EXPECT_EQ(GetWindowLongA(text, GWL_STYLE), WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                                   ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL);
    ExpectCentredOverMain(dialog);
    EXPECT_FALSE(IsWindowEnabled(main_));

    ASSERT_TRUE(PostMessageA(dialog, WM_CLOSE, 0, 0));
    EXPECT_TRUE(WaitForClosing(dialog));
    EXPECT_TRUE(e2e::WaitUntil(kTimeout, [this] { return IsWindowEnabled(main_) != FALSE; }));
    CloseMenu();
}

// Help and version files the menu cannot read: none (size 0), or a file of gigabytes.
class UnreadableHelpScenario : public HelpAndAboutScenario,
                               public testing::WithParamInterface<std::uintmax_t> {};

TEST_P(UnreadableHelpScenario, IsSaidInTheTextBoxAndTheMenuTakesItsOwnTitle) {
    if (GetParam() > 0) {
        Disc().WriteSparse("pomoc_en.txt", GetParam());
        Disc().WriteSparse("version.dat", GetParam());
    }
    ASSERT_TRUE(StartAndClick(kHelpButton));
    EXPECT_EQ(e2e::TitleOf(main_), "Demo menu");
    HWND dialog = WaitForOwnedDialog("?");
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(e2e::ControlText(e2e::ControlById(dialog, kHelpText)), "Couldn't read help file.");
    ASSERT_TRUE(PostMessageA(dialog, WM_CLOSE, 0, 0));
    EXPECT_TRUE(WaitForClosing(dialog));
    CloseMenu();
}

INSTANTIATE_TEST_SUITE_P(HelpAndAboutScenario, UnreadableHelpScenario,
                         testing::Values(0, 1'500'000'000));

TEST_F(HelpAndAboutScenario, StarButtonShowsTheAboutBoxAndOkClosesIt) {
    ASSERT_TRUE(StartAndClick(kStarButton));
    HWND dialog = WaitForOwnedDialog("Lumivo");
    ASSERT_NE(dialog, nullptr);

    HWND link = e2e::ControlById(dialog, kHomePageLink);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(e2e::ClassNameOf(link), "LinkButton");
    EXPECT_EQ(e2e::ControlText(link), "     Discmenu       ");
    EXPECT_TRUE(IsWindowVisible(link));
    ExpectCentredOverMain(dialog);

    ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(dialog, IDOK)));
    EXPECT_TRUE(WaitForClosing(dialog));
    CloseMenu();
}

}  // namespace
