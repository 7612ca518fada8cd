#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"
#include "main_menu_scenario.h"

namespace {

// The "programy" menu of the fixture: an installer on the disc and a missing document.
constexpr int kEditor = 2151;
constexpr int kManual = 2152;
// An application added by a test, third in that menu.
constexpr int kAdded = 2153;

// The stand-in installer, built beside the tests.
std::string InstallProbePath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof(self));
    return (std::filesystem::path(self).parent_path() / "e2e_install_probe.exe").string();
}

class ActionsTest : public MainMenuScenario {
protected:
    ActionsTest() : MainMenuScenario("main-menu") {}

    // Starts the menu and selects an application of the second menu by clicks.
    void SelectInSecondMenu(int application, const std::string& title) {
        StartMenu();
        ASSERT_NE(WaitForMainWindow(), nullptr);
        ASSERT_TRUE(Click(control::kSecondMenu));
        ASSERT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "Editor"; }));
        if (application != kEditor) {
            ASSERT_TRUE(Click(application));
            ASSERT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == title; }));
        }
    }
};

TEST_F(ActionsTest, InstallStartsInstallerInDiscFolderAndMenuStaysOpen) {
    CopyOntoDisc(InstallProbePath(), "Setup\\setup.exe");
    ASSERT_NO_FATAL_FAILURE(SelectInSecondMenu(kEditor, "Editor"));
    EXPECT_TRUE(IsShown(control::kInstall));
    EXPECT_FALSE(IsShown(control::kRun));

    ASSERT_TRUE(Click(control::kInstall));
    EXPECT_TRUE(e2e::WaitUntil(
        kTimeout, [&] { return std::filesystem::exists(Disc().PathOf("installed.txt")); }));
    EXPECT_TRUE(IsRunning());
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(TextOf(control::kTitle), "Editor");

    CloseByButton();
}

TEST_F(ActionsTest, InstallWithoutProgramReportsMissingInstaller) {
    AddToMenuDescription(
        "<application type=programy title=\"Żółta łódź\" description=\"Bez instalatora.\"/>\n");
    ASSERT_NO_FATAL_FAILURE(SelectInSecondMenu(kAdded, "Żółta łódź"));
    EXPECT_FALSE(IsShown(control::kInstall));
    EXPECT_FALSE(IsShown(control::kRun));

    // The button is hidden, but the command still comes through.
    ASSERT_TRUE(PostMessageA(Main(), WM_COMMAND, control::kInstall, 0));
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const e2e::WindowDescription description = e2e::Describe(box);
    EXPECT_EQ(description.title, "Brak instalatora!");
    EXPECT_EQ(e2e::MessageBoxText(box), "Żółta łódź");
    EXPECT_EQ(description.owner, Main());
    EXPECT_FALSE(IsWindowEnabled(Main()));

    EXPECT_EQ(e2e::AnswerMessageBox(box, IDOK, kTimeout), e2e::AnswerMethod::kClick);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(Main()) != FALSE; }));
    EXPECT_TRUE(IsRunning());
    CloseByButton();
}

TEST_F(ActionsTest, RunOnMissingDocumentReportsFileNotFound) {
    ASSERT_NO_FATAL_FAILURE(SelectInSecondMenu(kManual, "Manual"));
    EXPECT_TRUE(IsShown(control::kRun));
    EXPECT_FALSE(IsShown(control::kInstall));

    ASSERT_TRUE(Click(control::kRun));
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const e2e::WindowDescription description = e2e::Describe(box);
    EXPECT_EQ(description.title, "The specified file was not found.");
    EXPECT_EQ(e2e::MessageBoxText(box), "missing.pdf");
    EXPECT_EQ(description.owner, nullptr);
    EXPECT_TRUE(IsWindowEnabled(Main()));

    EXPECT_EQ(e2e::AnswerMessageBox(box, IDOK, kTimeout), e2e::AnswerMethod::kClick);
    EXPECT_TRUE(IsRunning());
    EXPECT_EQ(TextOf(control::kTitle), "Manual");
    CloseByButton();
}

}  // namespace
