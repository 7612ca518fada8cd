#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/handles.h"
#include "disc_pictures.h"
#include "harness/disc_folder.h"
#include "harness/environment.h"
#include "harness/input.h"
#include "harness/menu_process.h"
#include "harness/polling.h"
#include "harness/screen_pixels.h"
#include "harness/window_probe.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kTimeout{30000};
constexpr char kMainWindowClass[] = "Kasasasasdow";
constexpr int kCloseButton = 1000;
constexpr COLORREF kClosingColour = RGB(30, 120, 200);

bool IsShownMainWindow(HWND window) {
    return IsWindowVisible(window) && e2e::ClassNameOf(window) == kMainWindowClass;
}

// A shown dialog window of that size: the start banner is 500 x 130, the closing picture
// 640 x 480.
bool IsShownDialog(HWND window, int width, int height) {
    const e2e::WindowDescription seen = e2e::Describe(window);
    return seen.visible && seen.className == "#32770" &&
           seen.rect.right - seen.rect.left == width && seen.rect.bottom - seen.rect.top == height;
}

bool IsBanner(HWND window) { return IsShownDialog(window, 500, 130); }
bool IsClosingPicture(HWND window) { return IsShownDialog(window, 640, 480); }

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A menu asking for the start banner and the closing picture, with a close button, on a
// fresh copy of the one-language disc. The program is copied onto the disc, as discs carry
// it, so the closing picture comes from the disc's own Menu folder.
class IntroOutroTest : public testing::Test {
protected:
    IntroOutroTest() : disc_(e2e::FixturePath("one-language")) {}

    void StartMenu() {
        disc_.Write("Menu\\en.dat",
                    "<window title=\"Demo menu\" width=641 height=300 intro=true outro=true/>\n"
                    "<item type=button name=close text=X positionX=10 positionY=10 width=60 "
                    "height=30/>\n");
        disc_.Write("Menu\\outro.jpg", JpegStrip(640, 480, {kClosingColour}));
        std::filesystem::copy_file(e2e::StartExePath(), disc_.PathOf("start.exe"));
        menu_.emplace(disc_.PathOf("start.exe"), disc_.Path());
    }

    // The first of the program's windows that matches now; null when none does.
    HWND Find(const std::function<bool(HWND)>& matches) const {
        for (HWND window : e2e::TopLevelWindows(menu_->Id())) {
            if (matches(window)) return window;
        }
        return nullptr;
    }
    bool Shows(const std::function<bool(HWND)>& matches) const { return Find(matches) != nullptr; }
    HWND WaitFor(const std::function<bool(HWND)>& matches) const {
        return e2e::WaitForWindow(menu_->Id(), matches, kTimeout);
    }
    std::optional<DWORD> ExitCode() const { return menu_->WaitForExit(kTimeout); }

private:
    e2e::DiscFolder disc_;
    std::optional<e2e::MenuProcess> menu_;
};

TEST_F(IntroOutroTest, BannerComesBeforeMainWindowAndClosingPictureAfterIt) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    StartMenu();

    // The banner shows while the main window is still hidden.
    HWND banner = nullptr;
    bool mainFirst = false;
    ASSERT_TRUE(e2e::WaitUntil(kTimeout, [&] {
        mainFirst = Shows(IsShownMainWindow);
        banner = Find(IsBanner);
        return banner || mainFirst;
    }));
    ASSERT_NE(banner, nullptr);
    EXPECT_FALSE(mainFirst);
    const Clock::time_point bannerSeen = Clock::now();
    const e2e::WindowDescription seen = e2e::Describe(banner);
    EXPECT_EQ(seen.rect.left, 262);
    EXPECT_EQ(seen.rect.top, 319);
    EXPECT_EQ(e2e::ClassNameOf(seen.owner), kMainWindowClass);
    EXPECT_FALSE(IsWindowVisible(seen.owner));
    const UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(banner, shape.Get()), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0));  // the banner's blue corner

    // It goes by itself, and only then the main window shows.
    bool mainWithBanner = false;
    ASSERT_TRUE(e2e::WaitUntil(kTimeout, [&] {
        const bool up = IsBanner(banner);
        mainWithBanner = mainWithBanner || (up && Shows(IsShownMainWindow));
        return !up;
    }));
    std::printf("start banner seen for about %lld ms\n", MillisecondsSince(bannerSeen));
    EXPECT_FALSE(mainWithBanner);
    HWND main = WaitFor(IsShownMainWindow);
    ASSERT_NE(main, nullptr);

    // Close: the menu vanishes, the closing picture shows in the middle of the screen.
    HWND close = e2e::ControlById(main, kCloseButton);
    ASSERT_NE(close, nullptr);
    ASSERT_TRUE(e2e::ClickCentre(close));
    HWND closing = WaitFor(IsClosingPicture);
    ASSERT_NE(closing, nullptr);
    const Clock::time_point closingSeen = Clock::now();
    RECT mainRect{};
    GetWindowRect(main, &mainRect);
    EXPECT_EQ(mainRect.right - mainRect.left, 0);
    EXPECT_EQ(mainRect.bottom - mainRect.top, 0);
    const e2e::WindowDescription picture = e2e::Describe(closing);
    EXPECT_EQ(picture.rect.left, 192);
    EXPECT_EQ(picture.rect.top, 144);
    EXPECT_EQ(picture.owner, main);
    const std::optional<COLORREF> middle = e2e::WaitForColour({512, 384}, kClosingColour, kTimeout);
    ASSERT_TRUE(middle.has_value());
    EXPECT_TRUE(e2e::IsNear(*middle, kClosingColour)) << e2e::ColourName(*middle);

    // It goes by itself and the program ends.
    EXPECT_EQ(ExitCode(), 0u);
    std::printf("closing picture seen for about %lld ms\n", MillisecondsSince(closingSeen));
}

}  // namespace
