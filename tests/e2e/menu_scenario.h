#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "harness/disc_folder.h"
#include "harness/menu_process.h"

// One run of the menu on a fresh copy of the one-language disc. The waits after start-up
// note whether the main window exists, so a test can tell whether it ever showed.
class MenuScenario : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kTimeout{30000};
    static constexpr char kMainWindowClass[] = "Kasasasasdow";

    MenuScenario();

    const e2e::DiscFolder& Disc() const { return disc_; }
    void StartMenu();
    // Null when the program shows no main window in time.
    HWND WaitForMainWindow();
    // Null when the program shows no message box in time.
    HWND WaitForMessageBox();
    // The exit code, nothing when the program still runs after the timeout.
    std::optional<DWORD> WaitForExit();
    bool SawMainWindow() const { return sawMainWindow_; }

private:
    void Observe();

    e2e::DiscFolder disc_;
    std::optional<e2e::MenuProcess> menu_;
    bool sawMainWindow_ = false;
};
