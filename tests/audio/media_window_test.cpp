#include "audio/media_window.h"

#include <gtest/gtest.h>
#include <vfw.h>

#include <string>
#include <vector>

#include "controls/control_test_bed.h"
#include "temp_dir.h"
#include "wav_tone.h"

namespace {

// A message the wrapper sent to its MCI window, with the text it carried.
struct Sent {
    UINT message;
    LPARAM lParam;
    std::string text;

    bool operator==(const Sent&) const = default;
};

// Answers in place of the MCI window and records what arrives, so that the order and the
// parameters of the wrapper's messages can be read; WM_CLOSE goes on to the real window.
struct Recorder {
    WNDPROC original = nullptr;
    LRESULT openResult = 0;
    LRESULT playResult = 0;
    std::vector<Sent> sent;
};

Recorder* g_recorder = nullptr;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Recorder& recorder = *g_recorder;
    switch (message) {
        case MCIWNDM_OPENA:
        case MCIWNDM_SETTIMEFORMATA:
            recorder.sent.push_back({message, 0, reinterpret_cast<const char*>(lParam)});
            return message == MCIWNDM_OPENA ? recorder.openResult : 0;
        case MCIWNDM_GETLENGTH:
            recorder.sent.push_back({message, lParam, ""});
            return 4321;
        case MCI_PLAY:
        case MCI_SEEK:
        case MCI_CLOSE:
            recorder.sent.push_back({message, lParam, ""});
            return message == MCI_PLAY ? recorder.playResult : 0;
        case WM_CLOSE:
            recorder.sent.push_back({message, lParam, ""});
            break;
    }
    return CallWindowProcA(recorder.original, window, message, wParam, lParam);
}

class MediaWindowTest : public ::testing::Test {
protected:
    // Error boxes of the MCI window would wait for an answer nobody gives here.
    static constexpr DWORD kQuietStyle = kPlayerMediaStyle | MCIWNDF_NOERRORDLG;

    MediaWindowTest() { g_recorder = &recorder_; }
    ~MediaWindowTest() override {
        if (media_.Window()) media_.Destroy();
        g_recorder = nullptr;
    }

    // Creates the real MCI window and puts the recorder in front of it.
    void CreateRecorded() {
        ASSERT_TRUE(media_.Create(GetModuleHandleA(nullptr), parent_.Handle(), kQuietStyle));
        recorder_.original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(media_.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Record)));
    }

    std::vector<Sent> Take() { return std::exchange(recorder_.sent, {}); }

    TestParent parent_;
    Recorder recorder_;
    MediaWindow media_;
};

TEST_F(MediaWindowTest, NewObjectHasNoWindowAndPlaysNothing) {
    EXPECT_EQ(media_.Window(), nullptr);
    EXPECT_FALSE(media_.IsPlaying());
    EXPECT_EQ(media_.Length(), 0);
    // Without a window nothing can open or play.
    EXPECT_FALSE(media_.Open("Menu\\chime.wav"));
    EXPECT_FALSE(media_.Play());
    EXPECT_FALSE(media_.IsPlaying());
}

TEST_F(MediaWindowTest, CreateMakesAVisibleChildOfTheParent) {
    ASSERT_TRUE(media_.Create(GetModuleHandleA(nullptr), parent_.Handle(), kPlayerMediaStyle));
    EXPECT_EQ(GetParent(media_.Window()), parent_.Handle());
    EXPECT_TRUE(IsWindowVisible(media_.Window()));
    const LONG style = GetWindowLongA(media_.Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(style & 0xFFFF, 0x010A);
}

TEST_F(MediaWindowTest, OpenSendsOpenThenTimeFormatThenLength) {
    CreateRecorded();
    ASSERT_TRUE(media_.Open("Menu\\chime.wav"));
    const std::vector<Sent> expected{{MCIWNDM_OPENA, 0, "Menu\\chime.wav"},
                                     {MCIWNDM_SETTIMEFORMATA, 0, "ms"},
                                     {MCIWNDM_GETLENGTH, 0, ""}};
    EXPECT_EQ(Take(), expected);
    EXPECT_EQ(media_.Length(), 4321);
}

TEST_F(MediaWindowTest, FailedOpenStopsAfterTheOpenMessageAndKeepsTheLength) {
    CreateRecorded();
    recorder_.openResult = MCIERR_FILE_NOT_FOUND;
    EXPECT_FALSE(media_.Open("missing.wav"));
    EXPECT_EQ(Take(), (std::vector<Sent>{{MCIWNDM_OPENA, 0, "missing.wav"}}));
    EXPECT_EQ(media_.Length(), 0);
}

TEST_F(MediaWindowTest, EmptyPathFailsWithoutAMessage) {
    CreateRecorded();
    EXPECT_FALSE(media_.Open(""));
    EXPECT_TRUE(Take().empty());
}

TEST_F(MediaWindowTest, PlayingTwiceSendsOnePlay) {
    CreateRecorded();
    EXPECT_TRUE(media_.Play());
    EXPECT_TRUE(media_.IsPlaying());
    EXPECT_FALSE(media_.Play());
    EXPECT_TRUE(media_.IsPlaying());
    EXPECT_EQ(Take(), (std::vector<Sent>{{MCI_PLAY, 0, ""}}));
}

TEST_F(MediaWindowTest, RefusedPlayLeavesTheFlagClear) {
    CreateRecorded();
    recorder_.playResult = MCIERR_DEVICE_NOT_READY;
    EXPECT_FALSE(media_.Play());
    EXPECT_FALSE(media_.IsPlaying());
}

TEST_F(MediaWindowTest, RewindSeeksToTheStartPlayingOrNot) {
    CreateRecorded();
    media_.Rewind();
    EXPECT_FALSE(media_.IsPlaying());
    ASSERT_TRUE(media_.Play());
    media_.Rewind();
    EXPECT_FALSE(media_.IsPlaying());
    const std::vector<Sent> expected{
        {MCI_SEEK, MCIWND_START, ""}, {MCI_PLAY, 0, ""}, {MCI_SEEK, MCIWND_START, ""}};
    EXPECT_EQ(Take(), expected);
    // Playing again after a rewind is allowed.
    EXPECT_TRUE(media_.Play());
}

TEST_F(MediaWindowTest, CloseForgetsLengthAndPlaybackButKeepsTheWindow) {
    CreateRecorded();
    ASSERT_TRUE(media_.Open("a.wav"));
    ASSERT_TRUE(media_.Play());
    Take();
    media_.Close();
    EXPECT_EQ(Take(), (std::vector<Sent>{{MCI_CLOSE, 0, ""}}));
    EXPECT_EQ(media_.Length(), 0);
    EXPECT_FALSE(media_.IsPlaying());
    EXPECT_TRUE(IsWindow(media_.Window()));
}

TEST_F(MediaWindowTest, DestroyClosesTheWindowAndForgetsIt) {
    CreateRecorded();
    ASSERT_TRUE(media_.Play());
    Take();
    HWND window = media_.Window();
    media_.Destroy();
    EXPECT_EQ(Take(), (std::vector<Sent>{{WM_CLOSE, 0, ""}}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(media_.Window(), nullptr);
    EXPECT_FALSE(media_.IsPlaying());
}

// The real MCI window on a real file: what the machine's MCI does with it.
TEST_F(MediaWindowTest, RealWaveFileOpensWithItsLengthInMilliseconds) {
    TempDir dir;
    const std::string path = dir.Write("tone.wav", WavTone(1500));
    ASSERT_TRUE(media_.Create(GetModuleHandleA(nullptr), parent_.Handle(), kQuietStyle));
    ASSERT_TRUE(media_.Open(path));
    EXPECT_EQ(media_.Length(), 1500);
    EXPECT_FALSE(media_.Open(dir.Path("missing.wav")));
    EXPECT_EQ(media_.Length(), 1500);
    media_.Close();
    EXPECT_EQ(media_.Length(), 0);
}

TEST_F(MediaWindowTest, PlaybackEndingByItselfLeavesTheFlagSet) {
    TempDir dir;
    ASSERT_TRUE(media_.Create(GetModuleHandleA(nullptr), parent_.Handle(), kQuietStyle));
    ASSERT_TRUE(media_.Open(dir.Write("tone.wav", WavTone(300))));
    ASSERT_TRUE(media_.Play());
    auto stopped = [this] { return MCIWndGetMode(media_.Window(), nullptr, 0) == MCI_MODE_STOP; };
    ASSERT_TRUE(PumpUntil(stopped, 20000));
    EXPECT_TRUE(media_.IsPlaying());
    media_.Rewind();
    EXPECT_FALSE(media_.IsPlaying());
}

}  // namespace
