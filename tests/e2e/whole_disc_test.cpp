#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "harness/disc_folder.h"
#include "harness/environment.h"
#include "harness/input.h"
#include "harness/menu_process.h"
#include "harness/message_box.h"
#include "harness/window_probe.h"
#include "starter_disc.h"

namespace {

namespace fs = std::filesystem;

constexpr std::chrono::milliseconds kTimeout{30000};
// Long enough for the menu to load its pictures and start its banners.
constexpr std::chrono::milliseconds kSettle{2000};
constexpr char kMainWindowClass[] = "Kasasasasdow";
constexpr int kFirstLanguage = 300;
constexpr int kCloseButton = 1000;

// A whole disc as it is handed out, start.exe beside its Menu folder, walked from the
// language dialog through the intro to the menu and closed with its close button; no step
// may show a message box.
class WholeDiscTest : public testing::Test {
protected:
    static void CopyStartExe(const std::string& disc) {
        fs::copy_file(e2e::StartExePath(), fs::path(disc) / "start.exe");
    }

    void WalkThrough(const std::string& disc) {
        const e2e::MenuProcess menu((fs::path(disc) / "start.exe").string(), disc);

        auto isLanguageDialog = [](HWND window) {
            return IsWindowVisible(window) && e2e::ControlById(window, kFirstLanguage) != nullptr;
        };
        HWND dialog = e2e::WaitForWindow(menu.Id(), isLanguageDialog, kTimeout);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(dialog, kFirstLanguage)));

        auto isMainWindow = [](HWND window) {
            return IsWindowVisible(window) && e2e::ClassNameOf(window) == kMainWindowClass;
        };
        HWND main = e2e::WaitForWindow(menu.Id(), isMainWindow, kTimeout);
        ASSERT_NE(main, nullptr);
        HWND box = e2e::WaitForMessageBox(menu.Id(), kSettle);
        ASSERT_EQ(box, nullptr) << e2e::MessageBoxText(box).value_or("");

        ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(main, kCloseButton)));
        EXPECT_EQ(menu.WaitForExit(kTimeout), 0u);
        box = e2e::WaitForMessageBox(menu.Id(), std::chrono::milliseconds(0));
        EXPECT_EQ(box, nullptr) << e2e::MessageBoxText(box).value_or("");
    }
};

TEST_F(WholeDiscTest, StarterDiscRunsFromLanguageToClose) {
    const fs::path disc =
        fs::temp_directory_path() / ("discmenu-new-" + std::to_string(GetCurrentProcessId()));
    WriteStarterDisc(disc, {"pl", "en"});
    CopyStartExe(disc.string());
    WalkThrough(disc.string());
    fs::remove_all(disc);
}

TEST_F(WholeDiscTest, DemoDiscRunsFromLanguageThroughIntroAndOutro) {
    const e2e::DiscFolder disc(e2e::DemoDiscPath());
    CopyStartExe(disc.Path());
    WalkThrough(disc.Path());
}

// The image holds start.exe and autorun.inf of its own.
TEST_F(WholeDiscTest, DemoDiscRunsFromItsDiscImage) {
    const std::string tree = e2e::ImageTreePath();
    if (tree.empty()) GTEST_SKIP() << "no disc image: configure after building the native disckit";
    const e2e::DiscFolder disc(tree);
    WalkThrough(disc.Path());
}

}  // namespace
