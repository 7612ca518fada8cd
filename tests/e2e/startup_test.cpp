#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "config/config_document.h"
#include "harness/message_box.h"
#include "harness/window_probe.h"
#include "menu_scenario.h"

namespace {

constexpr char kMenuDescription[] = "Menu\\en.dat";

std::string WindowElement(std::string_view attributes) {
    return "<window " + std::string(attributes) + "/>\n";
}

using MainWindowTest = MenuScenario;
using WindowTitleTest = MenuScenario;
using StartupFilesTest = MenuScenario;

class StartupErrorTest : public MenuScenario {
protected:
    // Starts the menu and expects the text in an ownerless box with the system's default
    // caption, then exit code 0 once OK is clicked, and no main window at any point.
    void ExpectReportThenEnd(const std::string& text, bool ownedByLanguageDialog = false) {
        ASSERT_TRUE(DefaultCaption());
        StartMenu();

        HWND box = WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        const e2e::WindowDescription description = e2e::Describe(box);
        EXPECT_EQ(description.title, *DefaultCaption());
        if (ownedByLanguageDialog) {
            EXPECT_EQ(e2e::ClassNameOf(description.owner), e2e::kDialogClass);
        } else {
            EXPECT_EQ(description.owner, nullptr);
        }
        EXPECT_EQ(e2e::MessageBoxText(box), text);

        EXPECT_EQ(e2e::AnswerMessageBox(box, IDOK, kTimeout), e2e::AnswerMethod::kClick);
        EXPECT_EQ(WaitForExit(), 0u);
        EXPECT_FALSE(SawMainWindow());
    }

private:
    // The same for every test and slow to read, so read once.
    static const std::optional<std::string>& DefaultCaption() {
        static const std::optional<std::string> caption = e2e::DefaultMessageBoxCaption(kTimeout);
        return caption;
    }
};

TEST_F(MainWindowTest, IsBorderlessPopupCentredOnScreen) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const e2e::WindowDescription main = e2e::Describe(window);
    EXPECT_EQ(main.className, "Kasasasasdow");
    EXPECT_EQ(main.title, "Demo menu");
    EXPECT_TRUE(main.style & WS_POPUP);
    EXPECT_EQ(main.style & WS_CAPTION, 0u);
    EXPECT_EQ(main.style & WS_THICKFRAME, 0u);
    EXPECT_TRUE(main.visible);
    EXPECT_EQ(main.owner, nullptr);
    EXPECT_EQ(main.rect.left, 191);
    EXPECT_EQ(main.rect.top, 234);
    EXPECT_EQ(main.rect.right - main.rect.left, 641);
    EXPECT_EQ(main.rect.bottom - main.rect.top, 300);
}

TEST_F(MainWindowTest, ClosingEndsProgramWithExitCodeZero) {
    StartMenu();
    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(WaitForExit(), 0u);
}

TEST_F(MainWindowTest, WiderThanScreenOverhangsBothEdges) {
    Disc().Write(kMenuDescription, WindowElement("title=\"Demo menu\" width=1200 height=300"));
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const RECT rect = e2e::Describe(window).rect;
    EXPECT_EQ(rect.left, -88);
    EXPECT_EQ(rect.right, 1112);
    EXPECT_EQ(rect.top, 234);
}

TEST_F(MainWindowTest, SizeTakesLeadingDigitsOfValue) {
    Disc().Write(kMenuDescription, WindowElement("title=\"Demo menu\" width=800px height=300"));
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const RECT rect = e2e::Describe(window).rect;
    EXPECT_EQ(rect.right - rect.left, 800);
    EXPECT_EQ(rect.left, 112);
}

TEST_F(WindowTitleTest, ComposedFromVersionFile) {
    Disc().Write("version.dat", "Title=Start\nMajor=2\nMinor=1\nBuild=37\n");
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::TitleOf(window), "Start v2.1 Build 37");
}

TEST_F(WindowTitleTest, EmptyVersionFileStillReplacesTitle) {
    Disc().Write("version.dat", "");
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::TitleOf(window), " v0.0 Build 0");
}

TEST_F(WindowTitleTest, LongTitleIsCutTo107Characters) {
    std::string title;
    for (int i = 0; i < 200; ++i) title += static_cast<char>('a' + i % 26);
    Disc().Write(kMenuDescription, WindowElement("title=\"" + title + "\" width=641 height=300"));
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::TitleOf(window), title.substr(0, 107));
}

TEST_F(StartupFilesTest, ByteWiseMenuDescriptionStandsInForTextOne) {
    ConfigDocument description;
    ASSERT_EQ(description.LoadText(Disc().PathOf(kMenuDescription)), 0);
    ASSERT_EQ(description.SaveBinary(Disc().PathOf("Menu\\en.bin")), 0);
    Disc().Remove(kMenuDescription);
    StartMenu();

    HWND window = WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::TitleOf(window), "Demo menu");
}

TEST_F(StartupErrorTest, MissingMenuDescriptionIsReported) {
    Disc().Remove(kMenuDescription);
    ExpectReportThenEnd("Nie znaleziono pliku konfiguracyjnego: Menu\\en.bin.");
}

TEST_F(StartupErrorTest, MissingLanguageListIsReported) {
    Disc().Remove("Menu\\lang.dat");
    ExpectReportThenEnd("Nie znaleziono pliku konfiguracyjnego języka.", true);
}

}  // namespace
