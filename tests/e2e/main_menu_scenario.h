#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "harness/disc_folder.h"
#include "harness/menu_process.h"

// Identifiers of the main window's controls, as the menu description gives them out.
namespace control {
inline constexpr int kTitle = 200;
inline constexpr int kDescription = 201;
inline constexpr int kScreen = 202;
inline constexpr int kClose = 1000;
inline constexpr int kInstall = 1003;
inline constexpr int kRun = 1004;
inline constexpr int kNext = 1008;
inline constexpr int kPrev = 1009;
// Menu k is 2000 + 150 k; its applications follow it.
inline constexpr int kFirstMenu = 2000;
inline constexpr int kSecondMenu = 2150;
}  // namespace control

// A control's rectangle in the main window's client area.
struct Place {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& place);

// One run of the menu on a fresh copy of a fixture disc. The program is copied onto the disc
// beside its Menu folder, as discs carry it, so the pictures it reads from its own folder come
// from the copy too. Each bitmap the menu description names gets a three-frame strip of the
// button colours below, and the window a background picture of one colour.
class MainMenuScenario : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kTimeout{30000};
    static constexpr char kMainWindowClass[] = "Kasasasasdow";
    static constexpr COLORREF kBackground = RGB(40, 60, 90);
    static constexpr COLORREF kButtonNormal = RGB(200, 200, 200);
    static constexpr COLORREF kButtonHover = RGB(150, 190, 240);
    static constexpr COLORREF kButtonDown = RGB(90, 90, 90);  // pressed, or disabled

    explicit MainMenuScenario(std::string_view fixture);

    const e2e::DiscFolder& Disc() const { return disc_; }
    // Appends elements to the end of the menu description.
    void AddToMenuDescription(std::string_view elements) const;
    // Copies a file onto the disc, making its folders.
    void CopyOntoDisc(const std::string& source, std::string_view relative) const;

    void StartMenu();
    // Null when the program shows no main window in time.
    HWND WaitForMainWindow();
    // Null when the program shows no message box in time.
    HWND WaitForMessageBox() const;
    // The exit code, nothing when the program still runs after the timeout.
    std::optional<DWORD> WaitForExit() const;
    bool IsRunning() const;

    HWND Main() const { return main_; }
    HWND Control(int id) const;
    bool IsShown(int id) const;
    bool IsEnabled(int id) const;
    std::optional<std::string> TextOf(int id) const;
    Place PlaceOf(int id) const;
    // A point of the main window's client area on the screen.
    POINT OnScreen(POINT client) const;
    // Whether the point of the client area comes to show the colour, waiting for painting.
    ::testing::AssertionResult ScreenShows(POINT client, COLORREF expected) const;
    // The same a few pixels into the button's top-left corner, clear of its caption.
    ::testing::AssertionResult ButtonLooks(int id, COLORREF expected) const;

    // A real click in the middle of the control.
    bool Click(int id) const;
    // Waits until done() holds, then until the menu has finished the message at hand, so that
    // everything that message changes can be read. False on timeout.
    bool WaitFor(const std::function<bool()>& done) const;
    // Clicks "close" and expects the window to vanish and the program to end with 0.
    void CloseByButton();

private:
    void WriteArt() const;

    e2e::DiscFolder disc_;
    std::optional<e2e::MenuProcess> menu_;
    HWND main_ = nullptr;
};
