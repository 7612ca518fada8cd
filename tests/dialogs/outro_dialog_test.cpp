#include "dialogs/outro_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "bitmap_pixels.h"
#include "controls/bitmap_strip.h"
#include "dialog_script.h"
#include "owner_window.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr COLORREF kLeft = RGB(200, 40, 40);
constexpr COLORREF kRight = RGB(40, 200, 40);
constexpr COLORREF kSmall = RGB(40, 40, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::filesystem::path ProgramFolder() {
    char name[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, name, sizeof(name));
    return std::filesystem::path(name).parent_path();
}

// "Menu\outro.jpg" in the test program's folder, where the dialog looks for it, until the
// end of the test. The picture service goes by the content, not the name: a .bmp keeps
// every colour exact.
class PictureBesideProgram {
public:
    explicit PictureBesideProgram(std::string_view bytes)
        : folder_(ProgramFolder() / "Menu"), madeFolder_(!std::filesystem::exists(folder_)) {
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "outro.jpg", std::ios::binary).write(bytes.data(), bytes.size());
    }
    ~PictureBesideProgram() {
        std::error_code ignored;
        std::filesystem::remove(folder_ / "outro.jpg", ignored);
        if (madeFolder_) std::filesystem::remove(folder_, ignored);
    }
    PictureBesideProgram(const PictureBesideProgram&) = delete;
    PictureBesideProgram& operator=(const PictureBesideProgram&) = delete;

private:
    std::filesystem::path folder_;
    bool madeFolder_;
};

// How many pixels of the area are not of the colour.
int Mismatches(const PixelImage& image, RECT area, COLORREF colour) {
    if (image.width < area.right || image.height < area.bottom) return -1;
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += image.At(x, y) != PixelWord(colour);
    }
    return count;
}

void PostKey(HWND window, UINT down, UINT up, WPARAM key, LPARAM flags) {
    PostMessageA(window, down, key, 1 | flags);
    PostMessageA(window, up, key, 1 | flags | 3u << 30);
}

class OutroDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
        ASSERT_FALSE(std::filesystem::exists(ProgramFolder() / "Menu" / "outro.jpg"));
        ASSERT_NE(owner_.Handle(), nullptr);
    }

    HINSTANCE instance_ = GetModuleHandleA(nullptr);
    OwnerWindow owner_;
};

TEST_F(OutroDialogTest, ShowsTopLeftOfLargerPictureCentredTillItClosesByItself) {
    // 800 x 600: a red left half and a green right half, split at x = 400.
    const PictureBesideProgram picture(BitmapStrip(400, 600, {kLeft, kRight}));
    HWND seen = nullptr;
    RECT rect{};
    HWND owner = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    PixelImage painted;
    bool openAfterKeys = false;
    DialogScript script({
        [&](HWND dialog) {
            seen = dialog;
            GetWindowRect(dialog, &rect);
            owner = GetWindow(dialog, GW_OWNER);
            bigIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
            smallIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
            painted = PrintedClient(dialog, kWidth, kHeight);
            PostKey(dialog, WM_KEYDOWN, WM_KEYUP, VK_ESCAPE, 0);
            PostKey(dialog, WM_KEYDOWN, WM_KEYUP, VK_RETURN, 0);
        },
        [&](HWND dialog) { openAfterKeys = dialog == seen; },
    });
    ShowOutro(instance_, owner_.Handle());

    ASSERT_TRUE(script.Done());
    EXPECT_FALSE(script.Abandoned());
    EXPECT_TRUE(openAfterKeys);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_EQ(rect.left, 192);
    EXPECT_EQ(rect.top, 144);
    EXPECT_EQ(rect.right, 832);
    EXPECT_EQ(rect.bottom, 624);
    EXPECT_EQ(owner, owner_.Handle());
    EXPECT_NE(bigIcon, nullptr);
    EXPECT_NE(smallIcon, nullptr);
    // Not scaled: the split stays at x = 400.
    EXPECT_EQ(Mismatches(painted, {0, 0, 400, kHeight}, kLeft), 0);
    EXPECT_EQ(Mismatches(painted, {400, 0, kWidth, kHeight}, kRight), 0);
}

TEST_F(OutroDialogTest, SmallerPictureSitsTopLeftOnBlackAndAltF4ClosesIt) {
    const PictureBesideProgram picture(BitmapStrip(320, 200, {kSmall}));
    PixelImage painted;
    bool openAfterAltF4 = false;
    DialogScript script({
        [&](HWND dialog) {
            painted = PrintedClient(dialog, kWidth, kHeight);
            PostKey(dialog, WM_SYSKEYDOWN, WM_SYSKEYUP, VK_F4, 1 << 29);
        },
        [&](HWND) { openAfterAltF4 = true; },
    });
    ShowOutro(instance_, owner_.Handle());

    EXPECT_FALSE(script.Abandoned());
    EXPECT_FALSE(openAfterAltF4);
    EXPECT_EQ(Mismatches(painted, {0, 0, 320, 200}, kSmall), 0);
    EXPECT_EQ(Mismatches(painted, {320, 0, kWidth, kHeight}, kBlack), 0);
    EXPECT_EQ(Mismatches(painted, {0, 200, 320, kHeight}, kBlack), 0);
}

TEST_F(OutroDialogTest, MissingPictureShowsBlackAndCloseRequestEndsIt) {
    RECT rect{};
    PixelImage painted;
    bool openAfterClose = false;
    DialogScript script({
        [&](HWND dialog) {
            GetWindowRect(dialog, &rect);
            painted = PrintedClient(dialog, kWidth, kHeight);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        },
        [&](HWND) { openAfterClose = true; },
    });
    ShowOutro(instance_, owner_.Handle());

    EXPECT_FALSE(script.Abandoned());
    EXPECT_FALSE(openAfterClose);
    EXPECT_EQ(rect.right - rect.left, kWidth);
    EXPECT_EQ(rect.bottom - rect.top, kHeight);
    EXPECT_EQ(Mismatches(painted, {0, 0, kWidth, kHeight}, kBlack), 0);
}

}  // namespace
