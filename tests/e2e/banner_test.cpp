#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "disc_pictures.h"
#include "harness/input.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/screen_pixels.h"
#include "harness/window_probe.h"
#include "main_menu_scenario.h"

namespace {

// Middles of the fixture's banners in the client area: "lista" (still), "ruch" (four frames,
// 200 ms each) and "reklama" (a link to a missing file).
constexpr POINT kListBanner{80, 96};
constexpr POINT kAnimatedBanner{200, 88};
constexpr POINT kLinkBanner{96, 184};

constexpr COLORREF kListColour = RGB(220, 40, 40);
constexpr COLORREF kLinkColour = RGB(240, 140, 200);
constexpr std::array<COLORREF, 4> kFrames = {RGB(230, 40, 40), RGB(40, 200, 60), RGB(40, 80, 220),
                                             RGB(230, 210, 40)};

class BannerTest : public MainMenuScenario {
protected:
    BannerTest() : MainMenuScenario("banners") {
        Disc().Write("Menu\\list.jpg", JpegStrip(128, 64, {kListColour}));
        Disc().Write("Menu\\frames.jpg",
                     JpegStrip(48, 48, {kFrames[0], kFrames[1], kFrames[2], kFrames[3]}));
        Disc().Write("Menu\\advert.jpg", JpegStrip(160, 48, {kLinkColour}));
    }

    // The frame the point shows, -1 for a colour that is no frame's.
    int FrameAt(POINT client) const {
        const std::optional<COLORREF> pixel = e2e::ScreenPixel(OnScreen(client));
        for (size_t i = 0; pixel && i < kFrames.size(); ++i) {
            if (e2e::IsNear(*pixel, kFrames[i])) return static_cast<int>(i);
        }
        return -1;
    }

    // The frames the point shows from the first one on, an entry each time it changes, until
    // there are count entries or the time is up.
    std::vector<int> FramesInTurn(POINT client, size_t count) const {
        std::vector<int> frames;
        e2e::WaitUntil(kTimeout, [&] {
            const int frame = FrameAt(client);
            if ((frame >= 0 || !frames.empty()) && (frames.empty() || frames.back() != frame)) {
                frames.push_back(frame);
            }
            return frames.size() >= count;
        });
        return frames;
    }
};

TEST_F(BannerTest, ListBannerIsLeftOutWhileMenuPelneIsCurrent) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_TRUE(ScreenShows(kListBanner, kListColour));

    ASSERT_TRUE(Click(control::kSecondMenu));
    EXPECT_TRUE(ScreenShows(kListBanner, kBackground));
    EXPECT_TRUE(ScreenShows(kLinkBanner, kLinkColour));

    ASSERT_TRUE(Click(control::kFirstMenu));
    EXPECT_TRUE(ScreenShows(kListBanner, kListColour));

    CloseByButton();
}

// A button over the banner's corner stays on top of every frame.
TEST_F(BannerTest, AnimatedBannerShowsItsFramesInTurn) {
    constexpr int kMinimize = 1001;
    AddToMenuDescription(
        "<item type=button name=minimize image=\"Menu\\min.bmp\" "
        "positionX=208 positionY=64 width=16 height=16/>\n");
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    const std::vector<int> frames = FramesInTurn(kAnimatedBanner, 5);
    ASSERT_EQ(frames.size(), 5u);
    for (size_t i = 1; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i], (frames[i - 1] + 1) % 4) << "change " << i;
    }
    EXPECT_TRUE(ButtonLooks(kMinimize, kButtonNormal));

    CloseByButton();
}

TEST_F(BannerTest, ClickOnLinkBannerOpensItsLink) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    ASSERT_TRUE(ScreenShows(kLinkBanner, kLinkColour));
    const RECT before = e2e::Describe(Main()).rect;

    ASSERT_TRUE(e2e::ClickAt(OnScreen(kLinkBanner), Main()));
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    const e2e::WindowDescription description = e2e::Describe(box);
    EXPECT_EQ(description.title, "The specified file was not found.");
    EXPECT_EQ(e2e::MessageBoxText(box), "missing-link.html");
    EXPECT_EQ(description.owner, nullptr);

    EXPECT_EQ(e2e::AnswerMessageBox(box, IDOK, kTimeout), e2e::AnswerMethod::kClick);
    EXPECT_TRUE(IsRunning());
    // A click without a move drags the window nowhere.
    const RECT after = e2e::Describe(Main()).rect;
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    CloseByButton();
}

}  // namespace
