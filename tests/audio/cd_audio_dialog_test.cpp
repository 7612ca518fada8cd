#include "audio/cd_audio_dialog.h"

#include <gtest/gtest.h>
#include <vfw.h>

#include <filesystem>
#include <string>
#include <vector>

#include "audio/player_config.h"
#include "audio/player_texts.h"
#include "controls/bitmap_strip.h"
#include "controls/button_manager.h"
#include "controls/control_test_bed.h"
#include "dialogs/current_directory_scope.h"
#include "dialogs/dialog_script.h"
#include "message_box_watch.h"
#include "temp_dir.h"
#include "wav_tone.h"
#include "dialogs/window_facts.h"

namespace {

constexpr COLORREF kBackdrop = RGB(30, 90, 160);
constexpr char kButtons[] =
    "<item type=button name=close text=\"X\" image=\"Menu\\close.bmp\" positionX=360 "
    "positionY=10 width=30 height=30/>\n"
    "<item type=button name=start text=\"Start\" image=\"Menu\\play.bmp\" positionX=40 "
    "positionY=200 width=100 height=40/>\n"
    "<item type=button name=stop text=\"Stop\" image=\"Menu\\play.bmp\" positionX=40 "
    "positionY=200 width=100 height=40/>\n"
    "<item type=button name=pause text=\"||\" image=\"Menu\\play.bmp\" positionX=150 "
    "positionY=200 width=100 height=40/>\n"
    "<item type=region name=status positionX=10 positionY=60 width=380 height=20/>\n";

bool Shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

// The dialog's MCI window, null when there is none.
HWND MediaChild(HWND dialog) {
    return FindWindowExA(dialog, nullptr, MCIWND_WINDOW_CLASS, nullptr);
}

// A player folder made the current directory, over an owner window with the button manager
// of a menu.
class CdAudioDialogTest : public ::testing::Test {
protected:
    CdAudioDialogTest() {
        std::filesystem::create_directory(dir_.Path("Menu"));
        manager_.RegisterButtonClass(GetModuleHandleA(nullptr));
        MoveWindow(owner_.Handle(), 100, 80, 640, 480, TRUE);
        const std::string strip =
            BitmapStrip(100, 40, {RGB(200, 200, 200), RGB(150, 190, 240), RGB(90, 90, 90)});
        dir_.Write("Menu/play.bmp", strip);
        dir_.Write("Menu/close.bmp", strip);
    }

    void WriteConfig(const std::string& text) const { dir_.Write("Menu/cda.dat", text); }

    // Opens the player, runs the steps inside it and expects it to have ended with 0.
    void Run(std::vector<DialogScript::Step> steps) {
        DialogScript script(std::move(steps));
        EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), "CDA", owner_.Handle(),
                                  CdAudioDialogProc, reinterpret_cast<LPARAM>(&manager_)),
                  0);
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(script.Abandoned());
        EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
    }

    // Opens the player on a configuration it refuses and reads the box it shows.
    void ExpectRefusal(const char* text, const char* caption) {
        MessageBoxWatch watch;
        ShowAudioPlayer(GetModuleHandleA(nullptr), owner_.Handle(), &manager_);
        ASSERT_TRUE(watch.Finish());
        EXPECT_EQ(watch.Text(), text);
        if (caption) {
            EXPECT_EQ(watch.Caption(), caption);
        }
        EXPECT_EQ(VisibleDialogOfThisThread(), nullptr);
    }

    std::string Mp3Config(int milliseconds) const {
        dir_.Write("Menu/tone.wav", WavTone(milliseconds));
        return std::string(
                   "<window width=400 height=300/>\n<audio type=mp3 file=\"Menu\\tone.wav\"/>\n") +
               kButtons;
    }

    TempDir dir_;
    CurrentDirectoryScope folder_{dir_.Path("")};
    TestParent owner_;
    ButtonManager manager_;
};

TEST_F(CdAudioDialogTest, MissingConfigurationIsNotFound) {
    ExpectRefusal(player_text::kConfigNotFound, nullptr);
}

TEST_F(CdAudioDialogTest, ConfigurationWithoutElementsIsMissing) {
    WriteConfig("");
    ExpectRefusal(player_text::kConfigEmpty, nullptr);
}

// Wine has no CD drive: "open cdaudio" fails and the player says so.
TEST_F(CdAudioDialogTest, CdModeWithoutADriveIsADeviceError) {
    WriteConfig(std::string("<window width=400 height=300/>\n<audio type=cda/>\n") + kButtons);
    ExpectRefusal(player_text::kDeviceError, player_text::kDeviceErrorCaption);
}

TEST_F(CdAudioDialogTest, Mp3ModeOpensAtItsSizeCentredWithStartOffered) {
    WriteConfig(Mp3Config(1000));
    RECT dialogRect{};
    std::vector<std::string> classes;
    RECT start{};
    bool startShown = false;
    bool stopShown = true;
    bool closeShown = false;
    HWND pause = nullptr;
    HWND media = nullptr;
    Run({[&](HWND dialog) {
        dialogRect = ScreenRect(dialog);
        startShown = Shown(dialog, player_id::kStart);
        stopShown = Shown(dialog, player_id::kStop);
        closeShown = Shown(dialog, player_id::kClose);
        start = RectInParent(GetDlgItem(dialog, player_id::kStart));
        for (int id : {player_id::kClose, player_id::kStart, player_id::kStop}) {
            classes.push_back(ClassNameOf(GetDlgItem(dialog, id)));
        }
        pause = GetDlgItem(dialog, 154);
        media = MediaChild(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    const POINT expected = CentredOver(RECT{100, 80, 740, 560}, 400, 300);
    EXPECT_EQ(dialogRect.left, expected.x);
    EXPECT_EQ(dialogRect.top, expected.y);
    EXPECT_EQ(dialogRect.right - dialogRect.left, 400);
    EXPECT_EQ(dialogRect.bottom - dialogRect.top, 300);
    EXPECT_EQ(classes, (std::vector<std::string>(3, kButtonClassName)));
    EXPECT_TRUE(startShown);
    EXPECT_FALSE(stopShown);
    EXPECT_TRUE(closeShown);
    EXPECT_TRUE(EqualRect(&start, std::data({RECT{40, 200, 140, 240}})));
    EXPECT_EQ(pause, nullptr);
    EXPECT_NE(media, nullptr);
}

TEST_F(CdAudioDialogTest, Mp3StartAndStopSwapTheButtonsAndRewind) {
    WriteConfig(Mp3Config(60000));
    std::vector<std::pair<bool, bool>> seen;  // start shown, stop shown
    LRESULT positionAfterStop = -1;
    auto look = [&](HWND dialog) {
        seen.emplace_back(Shown(dialog, player_id::kStart), Shown(dialog, player_id::kStop));
    };
    Run({[&](HWND dialog) { SendMessageA(dialog, WM_COMMAND, player_id::kStart, 0); },
         [&](HWND dialog) {
             look(dialog);
             SendMessageA(dialog, WM_COMMAND, player_id::kStop, 0);
         },
         [&](HWND dialog) {
             look(dialog);
             positionAfterStop = MCIWndGetPosition(MediaChild(dialog));
             SendMessageA(dialog, WM_COMMAND, player_id::kStart, 0);
         },
         [&](HWND dialog) {
             look(dialog);
             SendMessageA(dialog, WM_COMMAND, player_id::kClose, 0);
         }});
    const std::vector<std::pair<bool, bool>> expected{{false, true}, {true, false}, {false, true}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(positionAfterStop, 0);
}

// The MCI window's stop notification is what the dialog learns the end of the file from.
TEST_F(CdAudioDialogTest, StopNotificationWhilePlayingOffersStartAgain) {
    WriteConfig(Mp3Config(60000));
    std::vector<std::pair<bool, bool>> seen;
    auto look = [&](HWND dialog) {
        seen.emplace_back(Shown(dialog, player_id::kStart), Shown(dialog, player_id::kStop));
    };
    auto notify = [](HWND dialog, LPARAM mode) {
        SendMessageA(dialog, MCIWNDM_NOTIFYMODE, reinterpret_cast<WPARAM>(MediaChild(dialog)),
                     mode);
    };
    Run({[&](HWND dialog) {
        notify(dialog, MCI_MODE_STOP);  // not playing: nothing to do
        look(dialog);
        SendMessageA(dialog, WM_COMMAND, player_id::kStart, 0);
        notify(dialog, MCI_MODE_PLAY);
        look(dialog);
        notify(dialog, MCI_MODE_STOP);
        look(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    const std::vector<std::pair<bool, bool>> expected{{true, false}, {false, true}, {true, false}};
    EXPECT_EQ(seen, expected);
}

TEST_F(CdAudioDialogTest, EscapeAndEnterLeaveItOpen) {
    WriteConfig(std::string("<window width=400 height=300/>\n") + kButtons);
    bool open = false;
    Run({[](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); },
         [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0); },
         [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); },
         [&](HWND dialog) {
             open = IsWindowVisible(dialog) != FALSE;
             SendMessageA(dialog, WM_COMMAND, player_id::kClose, 0);
         }});
    EXPECT_TRUE(open);
}

// Any other mode has no player: the buttons are there, start and stop change nothing.
TEST_F(CdAudioDialogTest, UnknownModeShowsButtonsAndPlaysNothing) {
    WriteConfig(std::string("<window width=400 height=300/>\n<audio type=ogg file=x.ogg/>\n") +
                kButtons);
    std::vector<bool> seen;
    Run({[&](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, player_id::kStart, 0);
        SendMessageA(dialog, WM_COMMAND, player_id::kStop, 0);
        seen = {Shown(dialog, player_id::kStart), Shown(dialog, player_id::kStop),
                MediaChild(dialog) != nullptr};
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(seen, (std::vector<bool>{true, true, false}));
}

TEST_F(CdAudioDialogTest, WithoutAWindowElementItIsZeroByZeroAtTheOwnersCentre) {
    WriteConfig(kButtons);
    RECT rect{1, 1, 1, 1};
    Run({[&](HWND dialog) {
        rect = ScreenRect(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(rect.left, 100 + 320);
    EXPECT_EQ(rect.top, 80 + 240);
    EXPECT_EQ(rect.right, rect.left);
    EXPECT_EQ(rect.bottom, rect.top);
}

TEST_F(CdAudioDialogTest, ReadsItsConfigurationAnewAtEveryOpening) {
    std::vector<LONG> widths;
    for (int width : {300, 350}) {
        WriteConfig("<window width=" + std::to_string(width) + " height=200/>\n");
        Run({[&](HWND dialog) {
            const RECT rect = ScreenRect(dialog);
            widths.push_back(rect.right - rect.left);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }});
    }
    EXPECT_EQ(widths, (std::vector<LONG>{300, 350}));
}

// What the paint routine puts in the client area, read back from a memory bitmap.
COLORREF PaintedAt(HWND dialog, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 300);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(CdAudioDialogTest, PaintsTheBackgroundOrTheDialogColourWithoutIt) {
    WriteConfig("<window width=400 height=300/>\n");
    COLORREF without = 0;
    Run({[&](HWND dialog) {
        without = PaintedAt(dialog, 200, 150);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(without, GetSysColor(COLOR_3DFACE));

    dir_.Write("Menu/cdabg.bmp", BitmapStrip(400, 300, {kBackdrop}));
    COLORREF with = 0;
    Run({[&](HWND dialog) {
        with = PaintedAt(dialog, 200, 150);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(with, kBackdrop);
}

}  // namespace
