#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/handles.h"
#include "bitmap_strip.h"
#include "harness/input.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"
#include "menu_scenario.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;
constexpr COLORREF kBackground = RGB(30, 90, 160);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kEnglishFace = RGB(220, 40, 40);
constexpr COLORREF kPolishFace = RGB(40, 200, 60);
constexpr COLORREF kOtherFrame = RGB(120, 120, 120);

struct ButtonPlace {
    int id;
    RECT rect;  // in the dialog's client area
    COLORREF face;
};

constexpr ButtonPlace kButtons[] = {
    {300, {20, 70, 140, 110}, kEnglishFace},
    {301, {180, 70, 300, 110}, kPolishFace},
};

// The one-language disc with a second language: a dialog of two buttons over a blue
// background, and a Polish menu description of its own.
class LanguageDialogScenario : public MenuScenario {
protected:
    LanguageDialogScenario() {
        Disc().Write("Menu\\lang.dat",
                     "<window width=320 height=180 bgcolor=\"30;90;160\"/>\n"
                     "<item type=button name=en text=\"English\" image=\"Menu\\lang_en.bmp\" "
                     "positionX=20 positionY=70 width=120 height=40/>\n"
                     "<item type=button name=pl text=\"Polski\" image=\"Menu\\lang_pl.bmp\" "
                     "positionX=180 positionY=70 width=120 height=40/>\n");
        Disc().Write("Menu\\lang_en.bmp",
                     BitmapStrip(120, 40, {kEnglishFace, kOtherFrame, kOtherFrame}));
        Disc().Write("Menu\\lang_pl.bmp",
                     BitmapStrip(120, 40, {kPolishFace, kOtherFrame, kOtherFrame}));
        Disc().Write("Menu\\pl.dat", "<window title=\"Menu po polsku\" width=641 height=300/>\n");
    }

    // The visible dialog holding language button 300; null when none shows up in time.
    static HWND WaitForLanguageDialog() {
        HWND found = nullptr;
        e2e::WaitUntil(kTimeout, [&] {
            for (HWND window = FindWindowExA(nullptr, nullptr, e2e::kDialogClass, nullptr); window;
                 window = FindWindowExA(nullptr, window, e2e::kDialogClass, nullptr)) {
                HWND button = e2e::ControlById(window, 300);
                if (IsWindowVisible(window) && button && e2e::ClassNameOf(button) == "PRZYCISK") {
                    found = window;
                    return true;
                }
            }
            return false;
        });
        return found;
    }

    // Painting comes after showing: waits for the colour, and gives the last one read.
    static std::optional<COLORREF> WaitForColour(POINT point, COLORREF expected) {
        std::optional<COLORREF> last;
        e2e::WaitUntil(kTimeout, [&] {
            const WindowDc screen(nullptr);
            const COLORREF pixel = GetPixel(screen.Get(), point.x, point.y);
            if (pixel != CLR_INVALID) last = pixel;
            return last == expected;
        });
        return last;
    }
};

TEST_F(LanguageDialogScenario, ShowsTheButtonsOverTheBackgroundCentredOnTheScreen) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    // Away from the buttons, so both show their normal frame.
    SetCursorPos(1, 1);
    StartMenu();
    HWND dialog = WaitForLanguageDialog();
    ASSERT_NE(dialog, nullptr);

    const e2e::WindowDescription description = e2e::Describe(dialog);
    EXPECT_EQ(description.style & WS_CAPTION, 0u);
    EXPECT_EQ(description.owner, nullptr);
    const RECT& rect = description.rect;
    EXPECT_EQ(rect.left, (1024 - kWidth) / 2);
    EXPECT_EQ(rect.top, (768 - kHeight) / 2);
    EXPECT_EQ(rect.right - rect.left, kWidth);
    EXPECT_EQ(rect.bottom - rect.top, kHeight);

    for (const ButtonPlace& place : kButtons) {
        SCOPED_TRACE(place.id);
        HWND button = e2e::ControlById(dialog, place.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(e2e::ClassNameOf(button), "PRZYCISK");
        RECT buttonRect = e2e::Describe(button).rect;
        EXPECT_EQ(buttonRect.left - rect.left, place.rect.left);
        EXPECT_EQ(buttonRect.top - rect.top, place.rect.top);
        EXPECT_EQ(buttonRect.right - rect.left, place.rect.right);
        EXPECT_EQ(buttonRect.bottom - rect.top, place.rect.bottom);
        const POINT face{buttonRect.left + 3, buttonRect.top + 3};
        EXPECT_EQ(WaitForColour(face, place.face), place.face);
    }
    EXPECT_EQ(e2e::ControlById(dialog, 302), nullptr);

    EXPECT_EQ(WaitForColour({rect.left + 160, rect.top + 30}, kBackground), kBackground);
    EXPECT_EQ(WaitForColour({rect.left + 1, rect.top + 1}, kBackground), kBackground);
    for (const POINT edge : {POINT{rect.left, rect.top}, POINT{rect.right - 1, rect.top + 90},
                             POINT{rect.left + 160, rect.bottom - 1}}) {
        EXPECT_EQ(WaitForColour(edge, kBlack), kBlack);
    }
}

TEST_F(LanguageDialogScenario, ClickOnTheSecondLanguageLoadsItsMenu) {
    StartMenu();
    HWND dialog = WaitForLanguageDialog();
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(dialog, 301)));
    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::TitleOf(window), "Menu po polsku");
    EXPECT_FALSE(IsWindow(dialog));
}

// Posted messages come before input, so the click is handled after Escape.
TEST_F(LanguageDialogScenario, EscapeLeavesTheDialogOpen) {
    StartMenu();
    HWND dialog = WaitForLanguageDialog();
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0));
    ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(dialog, 300)));
    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::TitleOf(window), "Demo menu");
}

TEST_F(LanguageDialogScenario, CloseRequestEndsTheProgramWithoutAMenu) {
    StartMenu();
    HWND dialog = WaitForLanguageDialog();
    ASSERT_NE(dialog, nullptr);

    ASSERT_TRUE(PostMessageA(dialog, WM_CLOSE, 0, 0));
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_FALSE(SawMainWindow());
}

}  // namespace
