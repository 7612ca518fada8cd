#include <windows.h>

#include <gtest/gtest.h>
#include <mmsystem.h>
#include <vfw.h>

#include <optional>
#include <string>

#include "audio/wav_tone.h"
#include "bitmap_strip.h"
#include "harness/input.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"
#include "menu_scenario.h"

namespace {

constexpr int kStoryButton = 107;
constexpr int kClose = 151;
constexpr int kStart = 152;
constexpr int kStop = 153;
constexpr int kPlayerWidth = 420;
constexpr int kPlayerHeight = 320;

constexpr char kPlayerButtons[] =
    "<item type=button name=close text=\"X\" image=\"Menu\\x.bmp\" positionX=380 positionY=10 "
    "width=30 height=30/>\n"
    "<item type=button name=start text=\"Start\" image=\"Menu\\play.bmp\" positionX=40 "
    "positionY=200 width=120 height=40/>\n"
    "<item type=button name=stop text=\"Stop\" image=\"Menu\\play.bmp\" positionX=40 "
    "positionY=200 width=120 height=40/>\n";

// A menu with the story button, the one that opens the audio player.
class AudioPlayerScenario : public MenuScenario {
protected:
    AudioPlayerScenario() {
        Disc().Write("Menu\\en.dat",
                     "<window title=\"Demo menu\" width=641 height=481/>\n"
                     "<item type=button name=story text=\"~\" image=\"Menu\\story.bmp\" "
                     "positionX=20 positionY=20 width=60 height=30/>\n");
        Disc().Write("Menu\\story.bmp", Strip(60, 30));
        Disc().Write("Menu\\play.bmp", Strip(120, 40));
        Disc().Write("Menu\\x.bmp", Strip(30, 30));
    }

    static std::string Strip(int width, int height) {
        return BitmapStrip(width, height,
                           {RGB(200, 200, 200), RGB(150, 190, 240), RGB(90, 90, 90)});
    }

    // An mp3-mode player for a generated tone of that length.
    void WriteMp3Player(int milliseconds) const {
        Disc().Write("Menu\\tone.wav", WavTone(milliseconds));
        Disc().Write("Menu\\cdabg.bmp",
                     BitmapStrip(kPlayerWidth, kPlayerHeight, {RGB(30, 90, 160)}));
        Disc().Write("Menu\\cda.dat", "<window width=" + std::to_string(kPlayerWidth) +
                                          " height=" + std::to_string(kPlayerHeight) +
                                          "/>\n<audio type=mp3 file=\"Menu\\tone.wav\"/>\n" +
                                          kPlayerButtons);
    }

    bool StartAndOpenPlayer() {
        StartMenu();
        main_ = WaitForMainWindow();
        HWND story = main_ ? e2e::ControlById(main_, kStoryButton) : nullptr;
        return story && e2e::ClickCentre(story);
    }

    // The visible, captionless dialog the main window owns; null when none shows up in time.
    HWND WaitForPlayer() const {
        HWND found = nullptr;
        e2e::WaitUntil(kTimeout, [&] {
            found = nullptr;
            for (HWND window = FindWindowExA(nullptr, nullptr, e2e::kDialogClass, nullptr); window;
                 window = FindWindowExA(nullptr, window, e2e::kDialogClass, nullptr)) {
                if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == main_ &&
                    e2e::TitleOf(window).empty()) {
                    found = window;
                }
            }
            return found != nullptr;
        });
        return found;
    }

    // A refusal box: its text and caption, after it has been answered and has gone with
    // the player behind it.
    struct Refusal {
        std::string text;
        std::string caption;
        HWND owner = nullptr;
        HWND ownersOwner = nullptr;
    };

    std::optional<Refusal> AnswerRefusal() {
        HWND box = WaitForMessageBox();
        if (!box) return std::nullopt;
        HWND owner = GetWindow(box, GW_OWNER);
        Refusal refusal{e2e::MessageBoxText(box).value_or(""), e2e::TitleOf(box), owner,
                        owner ? GetWindow(owner, GW_OWNER) : nullptr};
        if (!e2e::AnswerMessageBox(box, IDOK, kTimeout)) return std::nullopt;
        return refusal;
    }

    // The player has gone and the menu takes input again.
    void ExpectMenuBack() const {
        EXPECT_TRUE(e2e::WaitUntil(kTimeout, [this] { return IsWindowEnabled(main_) != FALSE; }));
        EXPECT_TRUE(e2e::WaitUntil(kTimeout, [this] {
            HWND owned = GetWindow(main_, GW_ENABLEDPOPUP);
            return owned == nullptr || owned == main_;
        }));
    }

    void CloseMenu() {
        ASSERT_TRUE(PostMessageA(main_, WM_CLOSE, 0, 0));
        EXPECT_EQ(WaitForExit(), 0u);
    }

    static bool Shown(HWND player, int id) {
        return IsWindowVisible(e2e::ControlById(player, id)) != FALSE;
    }

    // Waits until start and stop show as asked.
    static bool WaitForButtons(HWND player, bool start, bool stop) {
        return e2e::WaitUntil(kTimeout, [=] {
            return Shown(player, kStart) == start && Shown(player, kStop) == stop;
        });
    }

    static HWND MediaWindowOf(HWND player) {
        return FindWindowExA(player, nullptr, MCIWND_WINDOW_CLASS, nullptr);
    }

    // The MCI window's position in milliseconds; it takes no pointer, so it crosses processes.
    static LRESULT PositionOf(HWND media) {
        DWORD_PTR position = 0;
        SendMessageTimeoutA(media, MCIWNDM_GETPOSITION, 0, 0, SMTO_ABORTIFHUNG, 5000, &position);
        return static_cast<LRESULT>(position);
    }

    HWND main_ = nullptr;
};

TEST_F(AudioPlayerScenario, CdModeWithoutADriveSaysDeviceErrorAndCloses) {
    Disc().Write(
        "Menu\\cda.dat",
        std::string("<window width=420 height=320/>\n<audio type=cda/>\n") + kPlayerButtons);
    ASSERT_TRUE(StartAndOpenPlayer());
    const std::optional<Refusal> refusal = AnswerRefusal();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Błąd urządzenia!");
    EXPECT_EQ(refusal->caption, "Błąd");
    // Owned by the player, which the main window owns in turn.
    EXPECT_NE(refusal->owner, nullptr);
    EXPECT_EQ(refusal->ownersOwner, main_);
    ExpectMenuBack();
    CloseMenu();
}

struct MissingCase {
    const char* rule;
    bool writeEmptyFile;
    const char* text;
};

class AudioPlayerMissingConfiguration : public AudioPlayerScenario,
                                        public ::testing::WithParamInterface<MissingCase> {};

TEST_P(AudioPlayerMissingConfiguration, IsSaidAndThePlayerCloses) {
    if (GetParam().writeEmptyFile) Disc().Write("Menu\\cda.dat", "");
    ASSERT_TRUE(StartAndOpenPlayer());
    const std::optional<Refusal> refusal = AnswerRefusal();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, GetParam().text);
    ExpectMenuBack();
    CloseMenu();
}

INSTANTIATE_TEST_SUITE_P(
    AudioPlayer, AudioPlayerMissingConfiguration,
    ::testing::Values(MissingCase{"NoFile", false, "Nie znaleziono pliku konfiguracyjnego."},
                      MissingCase{"EmptyFile", true, "Brak pliku konfiguracyjnego."}),
    [](const ::testing::TestParamInfo<MissingCase>& param) {
        return std::string(param.param.rule);
    });

TEST_F(AudioPlayerScenario, Mp3StartPlaysAndStopRewinds) {
    WriteMp3Player(60000);
    ASSERT_TRUE(StartAndOpenPlayer());
    HWND player = WaitForPlayer();
    ASSERT_NE(player, nullptr);

    const RECT outer = e2e::Describe(main_).rect;
    const RECT inner = e2e::Describe(player).rect;
    EXPECT_EQ(inner.right - inner.left, kPlayerWidth);
    EXPECT_EQ(inner.bottom - inner.top, kPlayerHeight);
    EXPECT_EQ(inner.left, outer.left + (outer.right - outer.left - kPlayerWidth) / 2);
    EXPECT_EQ(inner.top, outer.top + (outer.bottom - outer.top - kPlayerHeight) / 2);
    EXPECT_FALSE(IsWindowEnabled(main_));
    HWND media = MediaWindowOf(player);
    ASSERT_NE(media, nullptr);
    EXPECT_TRUE(Shown(player, kStart));
    EXPECT_FALSE(Shown(player, kStop));

    ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(player, kStart)));
    EXPECT_TRUE(WaitForButtons(player, false, true));
    if (waveOutGetNumDevs() > 0) {
        EXPECT_TRUE(e2e::WaitUntil(kTimeout, [&] { return PositionOf(media) > 0; }));
    }

    ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(player, kStop)));
    EXPECT_TRUE(WaitForButtons(player, true, false));
    EXPECT_EQ(PositionOf(media), 0);

    ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(player, kClose)));
    EXPECT_TRUE(e2e::WaitUntil(kTimeout, [player] { return !IsWindow(player); }));
    ExpectMenuBack();
    CloseMenu();
}

// Wine plays a WAV file through its own MCI when there is a sound device; the test bed gives
// it ALSA's silent one. The null sink takes samples faster than real time, so a twenty-second
// tone plays for a few seconds.
TEST_F(AudioPlayerScenario, Mp3EndOfFileOffersStartAgainFromTheBeginning) {
    if (waveOutGetNumDevs() == 0) {
        GTEST_SKIP() << "no sound device: Wine's MCI ends playback at once, at position 0";
    }
    WriteMp3Player(20000);
    ASSERT_TRUE(StartAndOpenPlayer());
    HWND player = WaitForPlayer();
    ASSERT_NE(player, nullptr);
    HWND media = MediaWindowOf(player);
    ASSERT_NE(media, nullptr);

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(e2e::ClickCentre(e2e::ControlById(player, kStart))) << "round " << round;
        EXPECT_TRUE(WaitForButtons(player, false, true)) << "round " << round;
        EXPECT_TRUE(e2e::WaitUntil(kTimeout, [&] { return PositionOf(media) > 0; }));
        // The end of the file brings start back, rewound to the beginning.
        EXPECT_TRUE(WaitForButtons(player, true, false)) << "round " << round;
        EXPECT_EQ(PositionOf(media), 0) << "round " << round;
    }

    ASSERT_TRUE(PostMessageA(player, WM_CLOSE, 0, 0));
    EXPECT_TRUE(e2e::WaitUntil(kTimeout, [player] { return !IsWindow(player); }));
    ExpectMenuBack();
    CloseMenu();
}

}  // namespace
