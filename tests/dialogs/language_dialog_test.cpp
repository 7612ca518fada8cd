#include "dialogs/language_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/handles.h"
#include "config/config_document.h"
#include "controls/bitmap_strip.h"
#include "controls/button_manager.h"
#include "current_directory_scope.h"
#include "dialog_script.h"
#include "dialogs/language_request.h"
#include "message_box_watch.h"
#include "temp_dir.h"
#include "window_facts.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr char kUntouched[] = "untouched";

std::string TwoLanguages(const std::string& bgcolor) {
    return "<window width=300 height=200 bgcolor=\"" + bgcolor +
           "\"/>\n"
           "<item type=button name=en text=\"English\" image=\"Menu\\en.bmp\" positionX=20 "
           "positionY=30 width=100 height=40/>\n"
           "<item type=button name=pl text=\"Polski\" image=\"Menu\\pl.bmp\" positionX=180 "
           "positionY=30 width=100 height=40/>\n";
}

COLORREF PixelOf(HWND window, int x, int y) {
    WindowDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

// A disc folder as the current directory, holding Menu\ for the language file.
class LanguageDialogTest : public ::testing::Test {
protected:
    LanguageDialogTest() {
        manager_.RegisterButtonClass(GetModuleHandleA(nullptr));
        request_.buttons = &manager_;
        request_.language = kUntouched;
        std::filesystem::create_directory(dir_.Path("Menu"));
        dir_.Write("Menu\\en.bmp", BitmapStrip(100, 40, {RGB(200, 0, 0), 0, 0}));
        dir_.Write("Menu\\pl.bmp", BitmapStrip(100, 40, {RGB(0, 200, 0), 0, 0}));
    }

    void WriteLanguageFile(const std::string& text) { dir_.Write("Menu\\lang.dat", text); }
    int Choose() { return ChooseLanguage(GetModuleHandleA(nullptr), request_); }

    TempDir dir_;
    CurrentDirectoryScope folder_{dir_.Path("")};
    ButtonManager manager_;
    LanguageRequest request_;
};

TEST_F(LanguageDialogTest, ShowsTheButtonsCentredOnTheScreenAndEndsWithTheChoice) {
    WriteLanguageFile(TwoLanguages("0;128;255"));
    RECT dialogRect{};
    HWND buttons[2] = {};
    RECT buttonRects[2] = {};
    DialogScript script({[&](HWND dialog) {
        dialogRect = ScreenRect(dialog);
        for (int n = 0; n < 2; ++n) {
            buttons[n] = GetDlgItem(dialog, 300 + n);
            buttonRects[n] = RectInParent(buttons[n]);
            EXPECT_EQ(ClassNameOf(buttons[n]), "PRZYCISK");
        }
        EXPECT_EQ(TextOf(buttons[0]), "English");
        EXPECT_EQ(TextOf(buttons[1]), "Polski");
        SendMessageA(dialog, WM_COMMAND, 301, 0);
    }});

    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(request_.language, "pl");
    EXPECT_FALSE(script.Abandoned());
    const POINT origin =
        CentredOver({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, 300, 200);
    EXPECT_EQ(dialogRect.left, origin.x);
    EXPECT_EQ(dialogRect.top, origin.y);
    EXPECT_EQ(dialogRect.right - dialogRect.left, 300);
    EXPECT_EQ(dialogRect.bottom - dialogRect.top, 200);
    EXPECT_EQ(buttonRects[0].left, 20);
    EXPECT_EQ(buttonRects[0].top, 30);
    EXPECT_EQ(buttonRects[0].right, 120);
    EXPECT_EQ(buttonRects[0].bottom, 70);
    EXPECT_EQ(buttonRects[1].left, 180);
    EXPECT_EQ(buttonRects[1].right, 280);
}

// Commands other than the language buttons' own leave the dialog open.
struct IgnoredCase {
    const char* rule;
    void (*send)(HWND dialog);
};

class LanguageDialogIgnores : public LanguageDialogTest,
                              public ::testing::WithParamInterface<IgnoredCase> {};

TEST_P(LanguageDialogIgnores, Rule) {
    WriteLanguageFile(TwoLanguages("0;0;0"));
    bool openAfterwards = false;
    DialogScript script({GetParam().send, [&](HWND dialog) {
                             openAfterwards = IsWindowVisible(dialog) != FALSE;
                             PostMessageA(dialog, WM_CLOSE, 0, 0);
                         }});
    EXPECT_EQ(Choose(), 0);
    EXPECT_TRUE(openAfterwards);
    EXPECT_EQ(request_.language, kUntouched);
    EXPECT_FALSE(script.Abandoned());
}

INSTANTIATE_TEST_SUITE_P(
    LanguageDialog, LanguageDialogIgnores,
    ::testing::Values(
        IgnoredCase{"EscapeKey",
                    [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); }},
        IgnoredCase{"CancelCommand",
                    [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }},
        IgnoredCase{"IdBelowTheFirstButton",
                    [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, 299, 0); }},
        IgnoredCase{"IdPastTheLastButton",
                    [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, 302, 0); }},
        IgnoredCase{"NotificationCodeInTheHighWord",
                    [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(300, 1), 0); }}),
    [](const ::testing::TestParamInfo<IgnoredCase>& param) {
        return std::string(param.param.rule);
    });

TEST_F(LanguageDialogTest, OneLanguageIsChosenWithoutWaiting) {
    WriteLanguageFile(
        "<window width=300 height=200/>\n"
        "<item type=Button name=de/>\n"
        "<item type=button name=en image=\"Menu\\en.bmp\" width=100 height=40/>\n");
    DialogScript script({});
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(request_.language, "en");
    EXPECT_FALSE(script.Abandoned());
}

TEST_F(LanguageDialogTest, ByteWiseLanguageFileStandsInForTheTextOne) {
    WriteLanguageFile("<item type=button name=cs/>\n");
    ConfigDocument document;
    ASSERT_EQ(document.LoadText("Menu\\lang.dat"), 0);
    ASSERT_EQ(document.SaveBinary("Menu\\lang.bin"), 0);
    ASSERT_TRUE(std::filesystem::remove(dir_.Path("Menu\\lang.dat")));
    DialogScript script({});
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(request_.language, "cs");
}

TEST_F(LanguageDialogTest, NoLanguagesWaitsForACloseRequestAndChoosesNothing) {
    WriteLanguageFile("<window width=120 height=80/>\n<item type=text name=en/>\n");
    bool shown = false;
    HWND anyChild = nullptr;
    DialogScript script({[&](HWND dialog) {
        shown = IsWindowVisible(dialog) != FALSE;
        anyChild = GetWindow(dialog, GW_CHILD);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(Choose(), 0);
    EXPECT_TRUE(shown);
    EXPECT_EQ(anyChild, nullptr);
    EXPECT_EQ(request_.language, kUntouched);
}

TEST_F(LanguageDialogTest, WithoutAManagerThereAreNoButtonsButTheIdsStillChoose) {
    WriteLanguageFile(TwoLanguages("0;0;0"));
    request_.buttons = nullptr;
    HWND anyChild = nullptr;
    DialogScript script({[&](HWND dialog) {
        anyChild = GetWindow(dialog, GW_CHILD);
        SendMessageA(dialog, WM_COMMAND, 301, 0);
    }});
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(anyChild, nullptr);
    EXPECT_EQ(request_.language, "pl");
}

TEST_F(LanguageDialogTest, MissingLanguageFileIsReportedAndChoosesNothing) {
    MessageBoxWatch watch;
    EXPECT_EQ(Choose(), 0);
    ASSERT_TRUE(watch.Finish());
    EXPECT_EQ(watch.Text(), "Nie znaleziono pliku konfiguracyjnego języka.");
    EXPECT_EQ(request_.language, kUntouched);
}

TEST_F(LanguageDialogTest, NothingToSeeOrChooseIsReportedLikeAMissingFile) {
    constexpr char kGarbage[] = "\x01<\xff\0garbage/>\x1a";
    WriteLanguageFile(std::string(kGarbage, sizeof(kGarbage) - 1));
    MessageBoxWatch watch;
    EXPECT_EQ(Choose(), 0);
    ASSERT_TRUE(watch.Finish());
    EXPECT_EQ(watch.Text(), "Nie znaleziono pliku konfiguracyjnego języka.");
    EXPECT_EQ(request_.language, kUntouched);
}

TEST_F(LanguageDialogTest, MissingStartParameterIsReported) {
    WriteLanguageFile(TwoLanguages("0;0;0"));
    MessageBoxWatch watch;
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), "Intro", nullptr, LanguageDialogProc, 0),
              0);
    ASSERT_TRUE(watch.Finish());
    EXPECT_EQ(watch.Text(), "Błąd wyboru języka.");
}

TEST_F(LanguageDialogTest, DialogThatCannotBeMadeIsNoChoice) {
    WriteLanguageFile("<item type=button name=en/>\n");
    // A module without the "Intro" template: DialogBoxParamA gives -1.
    EXPECT_EQ(ChooseLanguage(GetModuleHandleA("kernel32.dll"), request_), 0);
    EXPECT_EQ(request_.language, kUntouched);
}

struct BackgroundCase {
    const char* rule;
    const char* bgcolor;
    COLORREF fill;
};

class LanguageDialogBackground : public LanguageDialogTest,
                                 public ::testing::WithParamInterface<BackgroundCase> {};

// Inside the black one-pixel outline the brush colour fills the dialog.
TEST_P(LanguageDialogBackground, Rule) {
    WriteLanguageFile(TwoLanguages(GetParam().bgcolor));
    COLORREF inside = CLR_INVALID;
    COLORREF corners[4] = {};
    COLORREF insideEdge = CLR_INVALID;
    DialogScript script({[&](HWND dialog) {
        inside = PixelOf(dialog, 150, 150);
        insideEdge = PixelOf(dialog, 1, 1);
        const POINT edge[4] = {{0, 0}, {299, 0}, {0, 199}, {299, 199}};
        for (int n = 0; n < 4; ++n) corners[n] = PixelOf(dialog, edge[n].x, edge[n].y);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(Choose(), 0);
    EXPECT_EQ(inside, GetParam().fill);
    EXPECT_EQ(insideEdge, GetParam().fill);
    for (const COLORREF corner : corners) EXPECT_EQ(corner, kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageDialog, LanguageDialogBackground,
    ::testing::Values(BackgroundCase{"RedGreenBlue", "0;128;255", RGB(0, 128, 255)},
                      BackgroundCase{"LowEightBits", "300;2;257", RGB(44, 2, 1)},
                      BackgroundCase{"MinusOneKeepsWhite", "40;-1;40", kWhite},
                      BackgroundCase{"MalformedKeepsWhite", "40;40", kWhite}),
    [](const ::testing::TestParamInfo<BackgroundCase>& param) {
        return std::string(param.param.rule);
    });

}  // namespace
