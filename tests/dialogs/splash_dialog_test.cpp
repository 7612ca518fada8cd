#include "dialogs/splash_dialog.h"

#include <gtest/gtest.h>
#include <windowsx.h>

#include <optional>

#include "app/handles.h"
#include "bitmap_pixels.h"
#include "dialog_script.h"
#include "owner_window.h"
#include "per_pixel_region.h"

namespace {

constexpr COLORREF kKey = RGB(0, 0, 255);
constexpr int kWidth = 500;
constexpr int kHeight = 130;

int Mismatches(const PixelImage& painted, const PixelImage& expected) {
    if (painted.pixels.size() != expected.pixels.size()) return -1;
    int count = 0;
    for (std::size_t i = 0; i < painted.pixels.size(); ++i) {
        count += painted.pixels[i] != expected.pixels[i];
    }
    return count;
}

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 1 | 3u << 30);
}

// SendInput maps 0..65535 onto the screen; the smallest value landing on the pixel.
LONG Normalised(LONG pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

void SendMouse(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

// The point of the caption press the dialog sends itself to be dragged, seen by a hook on
// this thread's sent messages while the watch lives.
class CaptionPressWatch {
public:
    CaptionPressWatch()
        : hook_(SetWindowsHookExA(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId())) {
        pressed_.reset();
    }
    ~CaptionPressWatch() { UnhookWindowsHookEx(hook_); }
    CaptionPressWatch(const CaptionPressWatch&) = delete;
    CaptionPressWatch& operator=(const CaptionPressWatch&) = delete;

    static const std::optional<POINT>& Pressed() { return pressed_; }

private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_NCLBUTTONDOWN && sent->wParam == HTCAPTION) {
            pressed_ = POINT{GET_X_LPARAM(sent->lParam), GET_Y_LPARAM(sent->lParam)};
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::optional<POINT> pressed_;
    HHOOK hook_;
};

class SplashDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
        ASSERT_TRUE(banner_);
        ASSERT_EQ(pixels_.width, kWidth);
        ASSERT_EQ(pixels_.height, kHeight);
        ASSERT_EQ(pixels_.At(0, 0), PixelWord(kKey));
        ASSERT_NE(owner_.Handle(), nullptr);
    }
    void TearDown() override { SetCursorPos(0, 0); }

    // A banner pixel of the middle row that is not key-coloured.
    POINT Foreground() const {
        const int y = kHeight / 2;
        for (int x = 0; x < kWidth; ++x) {
            if (pixels_.At(x, y) != PixelWord(kKey)) return {x, y};
        }
        return {-1, -1};
    }

    HINSTANCE instance_ = GetModuleHandleA(nullptr);
    UniqueBitmap banner_{LoadBitmapA(instance_, "BANER_INTRO")};
    PixelImage pixels_ = PixelsOf(banner_.Get());
    OwnerWindow owner_;
};

TEST_F(SplashDialogTest, ShowsTheBannerCentredInItsShapeAndClosesByItself) {
    HWND seen = nullptr;
    RECT rect{};
    HWND owner = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    const UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    int shapeType = ERROR;
    PixelImage painted;
    DialogScript script({[&](HWND dialog) {
        seen = dialog;
        GetWindowRect(dialog, &rect);
        owner = GetWindow(dialog, GW_OWNER);
        bigIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        smallIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        shapeType = GetWindowRgn(dialog, shape.Get());
        painted = PrintedClient(dialog, kWidth, kHeight);
    }});
    ShowSplash(instance_, owner_.Handle());

    ASSERT_TRUE(script.Done());
    EXPECT_FALSE(script.Abandoned());
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_EQ(rect.left, 262);
    EXPECT_EQ(rect.top, 319);
    EXPECT_EQ(rect.right, 762);
    EXPECT_EQ(rect.bottom, 449);
    EXPECT_EQ(owner, owner_.Handle());
    EXPECT_NE(bigIcon, nullptr);
    EXPECT_NE(smallIcon, nullptr);

    EXPECT_EQ(shapeType, COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0));
    const POINT foreground = Foreground();
    EXPECT_TRUE(PtInRegion(shape.Get(), foreground.x, foreground.y));
    const UniqueRegion expected = PerPixelColorKeyRegion(GetDesktopWindow(), banner_.Get(), kKey);
    EXPECT_TRUE(EqualRgn(shape.Get(), expected.Get()));

    EXPECT_EQ(Mismatches(painted, pixels_), 0);
}

TEST_F(SplashDialogTest, KeysDoNothingAndDraggingMovesItTillItClosesByItself) {
    RECT before{};
    RECT afterKeys{};
    RECT afterDrag{};
    POINT press{};
    const POINT foreground = Foreground();
    const CaptionPressWatch captionPress;
    DialogScript script({
        [&](HWND dialog) {
            GetWindowRect(dialog, &before);
            PostKey(dialog, VK_ESCAPE);
            PostKey(dialog, VK_RETURN);
        },
        [&](HWND dialog) {
            GetWindowRect(dialog, &afterKeys);
            press = {before.left + foreground.x, before.top + foreground.y};
            SendMouse(press, 0);
            SendMouse(press, MOUSEEVENTF_LEFTDOWN);
            SendMouse({press.x + 20, press.y + 10}, 0);
            SendMouse({press.x + 40, press.y + 25}, 0);
            SendMouse({press.x + 40, press.y + 25}, MOUSEEVENTF_LEFTUP);
        },
        [&](HWND dialog) { GetWindowRect(dialog, &afterDrag); },
    });
    ShowSplash(instance_, owner_.Handle());

    ASSERT_TRUE(script.Done());
    EXPECT_FALSE(script.Abandoned());
    EXPECT_EQ(afterKeys.left, before.left);
    EXPECT_EQ(afterKeys.top, before.top);
    // The caption press carries its point in screen coordinates, as the system reads it.
    ASSERT_TRUE(captionPress.Pressed().has_value());
    EXPECT_EQ(captionPress.Pressed()->x, press.x);
    EXPECT_EQ(captionPress.Pressed()->y, press.y);
    EXPECT_EQ(afterDrag.left, before.left + 40);
    EXPECT_EQ(afterDrag.top, before.top + 25);
    EXPECT_EQ(afterDrag.right - afterDrag.left, kWidth);
    EXPECT_EQ(afterDrag.bottom - afterDrag.top, kHeight);
}

TEST_F(SplashDialogTest, CloseRequestEndsItAtOnce) {
    bool openAfterClose = false;
    DialogScript script({
        [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); },
        [&](HWND) { openAfterClose = true; },
    });
    ShowSplash(instance_, owner_.Handle());

    EXPECT_FALSE(script.Abandoned());
    EXPECT_FALSE(openAfterClose);
    EXPECT_TRUE(IsWindowEnabled(owner_.Handle()));
}

}  // namespace
