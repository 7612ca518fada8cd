#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "disc_pictures.h"
#include "harness/input.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"
#include "main_menu_scenario.h"

namespace {

// The applications of the fixture's two menus, "gry" and "programy".
constexpr int kChess = 2001;
constexpr int kTetris = 2002;
constexpr int kEditor = 2151;
constexpr int kManual = 2152;

constexpr COLORREF kChessScreen = RGB(230, 120, 30);

class MainMenuTest : public MainMenuScenario {
protected:
    MainMenuTest() : MainMenuScenario("main-menu") {
        Disc().Write("Menu\\chess.jpg", JpegStrip(160, 120, {kChessScreen}));
    }

    // The middle of the screenshot field, where a picture of its size shows.
    ::testing::AssertionResult ScreenshotShows(COLORREF colour) const {
        const Place field = PlaceOf(control::kScreen);
        return ScreenShows({field.x + field.width / 2, field.y + field.height / 2}, colour);
    }

    void ExpectGamesMenuWithChess() const {
        EXPECT_FALSE(IsEnabled(control::kFirstMenu));
        EXPECT_TRUE(IsEnabled(control::kSecondMenu));
        EXPECT_TRUE(IsShown(kChess));
        EXPECT_TRUE(IsShown(kTetris));
        EXPECT_FALSE(IsShown(kEditor));
        EXPECT_FALSE(IsShown(kManual));
        EXPECT_EQ(TextOf(control::kTitle), "Chess");
        EXPECT_EQ(TextOf(control::kDescription), "A board game for two.");
        EXPECT_TRUE(IsShown(control::kScreen));
        EXPECT_TRUE(IsShown(control::kInstall));
        EXPECT_FALSE(IsShown(control::kRun));
    }
};

using StartupMessageTest = MainMenuTest;

// The hover poll slows down while the cursor is away from every button: what the user sees must
// not tell.
TEST_F(MainMenuTest, HoverFollowsTheRealCursorAndLightsAButtonShownUnderIt) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    auto restOver = [&](const Place& place) {
        return e2e::MoveCursorTo(
            OnScreen({place.x + place.width - 10, place.y + place.height / 2}));
    };
    Sleep(300);
    ASSERT_TRUE(restOver(PlaceOf(kTetris)));
    EXPECT_TRUE(ButtonLooks(kTetris, kButtonHover));
    ASSERT_TRUE(e2e::MoveCursorTo(OnScreen({300, 250})));
    EXPECT_TRUE(ButtonLooks(kTetris, kButtonNormal));

    // "run" is hidden for Chess; Manual shows it where the cursor rests.
    ASSERT_FALSE(IsShown(control::kRun));
    ASSERT_TRUE(restOver(PlaceOf(control::kRun)));
    Sleep(300);
    ASSERT_TRUE(PostMessageA(Main(), WM_COMMAND, control::kSecondMenu, 0));
    ASSERT_TRUE(PostMessageA(Main(), WM_COMMAND, kManual, 0));
    ASSERT_TRUE(WaitFor([&] { return IsShown(control::kRun); }));
    EXPECT_TRUE(ButtonLooks(control::kRun, kButtonHover));
    CloseByButton();
}

// Another program's topmost window over the left half of "install", reaching past it: the
// menu's thread sees no mouse message while the cursor crosses it, yet hover is geometric.
TEST_F(MainMenuTest, HoverSeesTheCursorOverAButtonCoveredByAnotherWindow) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    const Place button = PlaceOf(control::kInstall);
    const POINT corner = OnScreen({button.x - 40, button.y - 20});
    HWND cover =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE,
                        corner.x, corner.y, 40 + button.width / 2, button.height + 40, nullptr,
                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(cover, nullptr);
    HWND install = Control(control::kInstall);
    auto hover = [install] { return (GetWindowLongPtrA(install, GWLP_USERDATA) & 0xFFFF) != 0; };
    const POINT covered = OnScreen({button.x + button.width / 4, button.y + button.height / 2});
    const POINT besideButton = OnScreen({button.x - 20, button.y + button.height / 2});
    constexpr std::chrono::milliseconds kHalfASecond{500};

    Sleep(300);
    ASSERT_TRUE(e2e::MoveCursorTo(covered));
    EXPECT_TRUE(e2e::WaitUntil(kHalfASecond, hover));
    EXPECT_TRUE(ScreenShows({button.x + button.width - 4, button.y + 3}, kButtonHover));
    ASSERT_TRUE(e2e::MoveCursorTo(besideButton));
    EXPECT_TRUE(e2e::WaitUntil(kHalfASecond, [&] { return !hover(); }));

    // A timer message polls the button there and then.
    ASSERT_TRUE(e2e::MoveCursorTo(covered));
    SendMessageA(install, WM_TIMER, 1, 0);
    EXPECT_TRUE(hover());
    DestroyWindow(cover);
    CloseByButton();
}

TEST_F(MainMenuTest, StartsWithFirstMenuAndItsFirstApplication) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    ExpectGamesMenuWithChess();
    EXPECT_EQ(PlaceOf(kChess), (Place{10, 60, 200, 30}));
    EXPECT_EQ(PlaceOf(kTetris), (Place{10, 90, 200, 30}));
    // The other menu's buttons are made at start, hidden.
    EXPECT_NE(Control(kEditor), nullptr);
    EXPECT_NE(Control(kManual), nullptr);
    EXPECT_TRUE(ScreenshotShows(kChessScreen));
    EXPECT_TRUE(ButtonLooks(control::kFirstMenu, kButtonDown));
    EXPECT_TRUE(ButtonLooks(control::kSecondMenu, kButtonNormal));

    CloseByButton();
}

TEST_F(MainMenuTest, MenuButtonsSwitchBetweenMenus) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    ASSERT_TRUE(Click(control::kSecondMenu));
    ASSERT_TRUE(WaitFor([&] { return !IsEnabled(control::kSecondMenu); }));
    EXPECT_TRUE(IsEnabled(control::kFirstMenu));
    EXPECT_FALSE(IsShown(kChess));
    EXPECT_FALSE(IsShown(kTetris));
    EXPECT_TRUE(IsShown(kEditor));
    EXPECT_TRUE(IsShown(kManual));
    EXPECT_EQ(PlaceOf(kEditor), (Place{20, 80, 220, 40}));
    EXPECT_EQ(PlaceOf(kManual), (Place{20, 120, 220, 40}));
    EXPECT_EQ(TextOf(control::kTitle), "Editor");
    EXPECT_EQ(TextOf(control::kDescription), "Writes texts.");
    EXPECT_FALSE(IsShown(control::kScreen));
    EXPECT_TRUE(ButtonLooks(control::kFirstMenu, kButtonNormal));
    EXPECT_TRUE(ButtonLooks(control::kSecondMenu, kButtonDown));

    ASSERT_TRUE(Click(control::kFirstMenu));
    ASSERT_TRUE(WaitFor([&] { return !IsEnabled(control::kFirstMenu); }));
    ExpectGamesMenuWithChess();
    EXPECT_TRUE(ScreenshotShows(kChessScreen));

    CloseByButton();
}

TEST_F(MainMenuTest, ApplicationButtonsSelectTheirApplication) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    ASSERT_TRUE(Click(kTetris));
    ASSERT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "Tetris"; }));
    EXPECT_EQ(TextOf(control::kDescription), "Falling blocks.");
    EXPECT_FALSE(IsShown(control::kScreen));
    EXPECT_TRUE(IsShown(kChess));
    EXPECT_TRUE(IsShown(kTetris));
    EXPECT_FALSE(IsEnabled(control::kFirstMenu));

    ASSERT_TRUE(Click(kChess));
    ASSERT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "Chess"; }));
    ExpectGamesMenuWithChess();
    EXPECT_TRUE(ScreenshotShows(kChessScreen));

    CloseByButton();
}

TEST_F(MainMenuTest, CloseButtonEndsProgramWithExitCodeZero) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    CloseByButton();
}

TEST_F(StartupMessageTest, ShownInOrderOwnedByHiddenMainWindow) {
    AddToMenuDescription(
        "<item type=message title=\"Powitanie\" text=\"Pierwsza wiadomość\"/>\n"
        "<item type=message title=\"Ostrzeżenie\" text=\"Druga wiadomość\"/>\n");
    StartMenu();

    const struct {
        const char* caption;
        const char* text;
    } messages[] = {{"Powitanie", "Pierwsza wiadomość"}, {"Ostrzeżenie", "Druga wiadomość"}};
    for (const auto& message : messages) {
        SCOPED_TRACE(message.text);
        HWND box = WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        const e2e::WindowDescription description = e2e::Describe(box);
        EXPECT_EQ(description.title, message.caption);
        EXPECT_EQ(e2e::MessageBoxText(box), message.text);
        ASSERT_NE(description.owner, nullptr);
        EXPECT_EQ(e2e::ClassNameOf(description.owner), kMainWindowClass);
        EXPECT_FALSE(IsWindowVisible(description.owner));
        EXPECT_EQ(e2e::AnswerMessageBox(box, IDOK, kTimeout), e2e::AnswerMethod::kClick);
    }

    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_EQ(TextOf(control::kTitle), "Chess");
    CloseByButton();
}

}  // namespace
