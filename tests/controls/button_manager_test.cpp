#include "controls/button_manager.h"

#include <gtest/gtest.h>

#include <string>

#include "bitmap_strip.h"
#include "control_test_bed.h"
#include "temp_dir.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Built into the test program from the start banner's bitmap.
constexpr char kResourceStrip[] = "CONTROLS_STRIP";

std::string ClassNameOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

class ButtonManagerTest : public testing::Test {
protected:
    void SetUp() override { manager_.RegisterButtonClass(GetModuleHandleA(nullptr)); }

    bool Create(const std::string& image, int x, int id) {
        return manager_.CreateButton("", image, false, x, 20, 40, 30, parent_.Handle(), id);
    }

    ButtonManager manager_;
    TestParent parent_;
    TempDir dir_;
    const std::string strip_ = dir_.Write("strip.bmp", BitmapStrip(40, 30, {kRed, kGreen, kBlue}));
};

TEST_F(ButtonManagerTest, CreatesAVisibleChildAndBindsItsImage) {
    const int id = NextControlId();
    ASSERT_TRUE(
        manager_.CreateButton("Zainstaluj", strip_, false, 20, 30, 40, 25, parent_.Handle(), id));
    const HWND button = GetDlgItem(parent_.Handle(), id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ClassNameOf(button), kButtonClassName);
    EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(button));
    EXPECT_EQ(GetWindowLongA(button, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);

    char caption[32] = {};
    GetWindowTextA(button, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Zainstaluj");
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, parent_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 30);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 25);

    const int image = ButtonManager::ImageForControl(id);
    EXPECT_EQ(image, ButtonManager::FindImage(strip_));
    EXPECT_NE(ButtonManager::ImageBitmap(image), nullptr);
}

TEST_F(ButtonManagerTest, ButtonsOfOneFileShareOneBitmap) {
    const int first = NextControlId();
    const int second = NextControlId();
    ASSERT_TRUE(Create(strip_, 20, first));
    ASSERT_TRUE(Create(strip_, 100, second));
    EXPECT_EQ(ButtonManager::ImageForControl(first), ButtonManager::ImageForControl(second));
    EXPECT_TRUE(PumpUntil([&] { return parent_.Pixel(22, 22) == kRed; }));
    EXPECT_TRUE(PumpUntil([&] { return parent_.Pixel(102, 22) == kRed; }));
}

TEST_F(ButtonManagerTest, FirstBindingOfAnIdKeepsItsBitmap) {
    const int id = NextControlId();
    ASSERT_TRUE(Create(strip_, 20, id));
    const int firstImage = ButtonManager::ImageForControl(id);
    DestroyWindow(GetDlgItem(parent_.Handle(), id));

    const std::string other =
        dir_.Write("other.bmp", BitmapStrip(40, 30, {kYellow, kCyan, kMagenta}));
    ASSERT_TRUE(Create(other, 20, id));
    EXPECT_EQ(ButtonManager::ImageForControl(id), firstImage);
    EXPECT_NE(ButtonManager::FindImage(other), -1);
    EXPECT_TRUE(PumpUntil([&] { return parent_.Pixel(22, 22) == kRed; }));
}

TEST_F(ButtonManagerTest, FailedCreationLoadsAndBindsNothing) {
    const int id = NextControlId();
    const std::string unused = dir_.Write("unused.bmp", BitmapStrip(40, 30, {kRed}));
    EXPECT_FALSE(manager_.CreateButton("x", unused, false, 0, 0, 40, 30, nullptr, id));
    EXPECT_EQ(ButtonManager::FindImage(unused), -1);
    EXPECT_EQ(ButtonManager::ImageForControl(id), -1);
}

TEST_F(ButtonManagerTest, LoadsEachFileOnceAndCachesFailuresEmpty) {
    const int index = manager_.LoadImageFile(strip_);
    EXPECT_EQ(manager_.LoadImageFile(strip_), index);
    EXPECT_NE(ButtonManager::ImageBitmap(index), nullptr);

    const std::string missing = dir_.Path("missing.bmp");
    const int failed = manager_.LoadImageFile(missing);
    EXPECT_EQ(ButtonManager::ImageBitmap(failed), nullptr);
    dir_.Write("missing.bmp", BitmapStrip(40, 30, {kRed}));
    EXPECT_EQ(manager_.LoadImageFile(missing), failed);
    EXPECT_EQ(ButtonManager::ImageBitmap(failed), nullptr);
}

TEST_F(ButtonManagerTest, ResourceAndFileLoadsShareTheName) {
    const int index = manager_.LoadImageResource(kResourceStrip);
    const HBITMAP bitmap = ButtonManager::ImageBitmap(index);
    ASSERT_NE(bitmap, nullptr);
    BITMAP size{};
    ASSERT_TRUE(GetObjectA(bitmap, sizeof(size), &size));
    EXPECT_GT(size.bmWidth, 0);
    EXPECT_EQ(manager_.LoadImageResource(kResourceStrip), index);
    EXPECT_EQ(manager_.LoadImageFile(kResourceStrip), index);
}

TEST_F(ButtonManagerTest, SwitchesAnyChildById) {
    const int id = NextControlId();
    const HWND label =
        CreateWindowExA(0, "STATIC", "label", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent_.Handle(),
                        reinterpret_cast<HMENU>(INT_PTR{id}), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(label, nullptr);

    manager_.HideButton(parent_.Handle(), id);
    EXPECT_FALSE(IsWindowVisible(label));
    manager_.ShowButton(parent_.Handle(), id);
    EXPECT_TRUE(IsWindowVisible(label));
    manager_.DisableButton(parent_.Handle(), id);
    EXPECT_FALSE(IsWindowEnabled(label));
    EXPECT_TRUE(IsWindowVisible(label));
    manager_.HideButton(parent_.Handle(), id);
    manager_.EnableButton(parent_.Handle(), id);
    EXPECT_TRUE(IsWindowEnabled(label));
    EXPECT_TRUE(IsWindowVisible(label));

    manager_.HideButton(parent_.Handle(), NextControlId());
    EXPECT_TRUE(IsWindowVisible(label));
}

}  // namespace
