#include <gtest/gtest.h>

#include <string>

#include "bitmap_strip.h"
#include "control_test_bed.h"
#include "controls/button_manager.h"
#include "temp_dir.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// One 60 x 30 button at (20, 20) of a white parent, drawn from a red, green, blue strip.
class ImageButtonTest : public testing::Test {
protected:
    void SetUp() override { manager_.RegisterButtonClass(GetModuleHandleA(nullptr)); }

    HWND AddButton(const std::string& caption, const std::string& image) {
        EXPECT_TRUE(
            manager_.CreateButton(caption, image, false, 20, 20, 60, 30, parent_.Handle(), id_));
        return GetDlgItem(parent_.Handle(), id_);
    }
    HWND AddButton() { return AddButton("", strip_); }

    // The top left corner of the button: clear of any centred caption.
    COLORREF Look() const { return parent_.Pixel(22, 22); }
    bool ShowsSoon(COLORREF colour) const {
        return PumpUntil([&] { return Look() == colour; });
    }
    POINT Inside() const { return parent_.ScreenPoint(50, 35); }
    POINT Outside() const { return parent_.ScreenPoint(200, 150); }

    ButtonManager manager_;
    TestParent parent_;
    TempDir dir_;
    const std::string strip_ = dir_.Write("strip.bmp", BitmapStrip(60, 30, {kRed, kGreen, kBlue}));
    const int id_ = NextControlId();
};

TEST_F(ImageButtonTest, ShowsNormalFrameAndHoverFrameWhileTheCursorIsOver) {
    const HWND button = AddButton();
    EXPECT_TRUE(ShowsSoon(kRed));
    MoveCursor(Inside());
    EXPECT_TRUE(ShowsSoon(kGreen));
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_USERDATA), 0x1);
    ParkCursor();
    EXPECT_TRUE(ShowsSoon(kRed));
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_USERDATA), 0x0);
}

TEST_F(ImageButtonTest, ClickShowsPressedFrameAndSendsTheCommandOnRelease) {
    const HWND button = AddButton();
    MoveCursor(Inside());
    ASSERT_TRUE(ShowsSoon(kGreen));

    PressLeft();
    EXPECT_TRUE(ShowsSoon(kBlue));
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_USERDATA), 0x10001);
    EXPECT_TRUE(parent_.Commands().empty());

    ReleaseLeft();
    EXPECT_TRUE(ShowsSoon(kGreen));
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(parent_.Commands().size(), 1u);
    EXPECT_EQ(parent_.Commands()[0].wParam, static_cast<WPARAM>(id_));
    EXPECT_EQ(parent_.Commands()[0].lParam, reinterpret_cast<LPARAM>(button));
}

TEST_F(ImageButtonTest, PressedButtonLooksNormalWhileTheCursorIsAwayAndReleaseThereSendsNothing) {
    AddButton();
    MoveCursor(Inside());
    ASSERT_TRUE(ShowsSoon(kGreen));
    PressLeft();
    ASSERT_TRUE(ShowsSoon(kBlue));

    MoveCursor(Outside());
    EXPECT_TRUE(ShowsSoon(kRed));
    MoveCursor(Inside());
    EXPECT_TRUE(ShowsSoon(kBlue));
    MoveCursor(Outside());
    ASSERT_TRUE(ShowsSoon(kRed));

    ReleaseLeft();
    PumpFor(50);
    EXPECT_TRUE(parent_.Commands().empty());
    EXPECT_EQ(Look(), kRed);
}

TEST_F(ImageButtonTest, ReleaseAloneDecidesTheClick) {
    const HWND button = AddButton();
    MoveCursor(Outside());
    PressLeft();
    PumpFor(20);
    MoveCursor(Inside());
    ReleaseLeft();
    ASSERT_TRUE(PumpUntil([&] { return !parent_.Commands().empty(); }));
    EXPECT_EQ(parent_.Commands()[0].wParam, static_cast<WPARAM>(id_));
    EXPECT_EQ(parent_.Commands()[0].lParam, reinterpret_cast<LPARAM>(button));
}

TEST_F(ImageButtonTest, DoubleClickSendsTwoCommands) {
    AddButton();
    MoveCursor(Inside());
    PressLeft();
    ReleaseLeft();
    PressLeft();
    ReleaseLeft();
    EXPECT_TRUE(PumpUntil([&] { return parent_.Commands().size() == 2; }));
    PumpFor(30);
    EXPECT_EQ(parent_.Commands().size(), 2u);
}

TEST_F(ImageButtonTest, DisabledButtonShowsThePressedFrameAndSendsNothing) {
    const HWND button = AddButton();
    ASSERT_TRUE(ShowsSoon(kRed));
    manager_.DisableButton(parent_.Handle(), id_);
    InvalidateRect(button, nullptr, TRUE);
    EXPECT_TRUE(ShowsSoon(kBlue));

    MoveCursor(Inside());
    PressLeft();
    ReleaseLeft();
    PumpFor(50);
    EXPECT_EQ(Look(), kBlue);
    EXPECT_TRUE(parent_.Commands().empty());
}

TEST_F(ImageButtonTest, DisablingWaitsForTheNextRepaintWhileEnablingRepaintsAtOnce) {
    const HWND button = AddButton();
    ASSERT_TRUE(ShowsSoon(kRed));
    manager_.DisableButton(parent_.Handle(), id_);
    PumpFor(50);
    EXPECT_EQ(Look(), kRed);
    EXPECT_FALSE(IsWindowEnabled(button));

    InvalidateRect(button, nullptr, TRUE);
    ASSERT_TRUE(ShowsSoon(kBlue));
    manager_.EnableButton(parent_.Handle(), id_);
    EXPECT_TRUE(ShowsSoon(kRed));
    EXPECT_TRUE(IsWindowEnabled(button));
    EXPECT_TRUE(IsWindowVisible(button));
}

TEST_F(ImageButtonTest, HoverIsGeometricEvenForAHiddenButton) {
    const HWND button = AddButton();
    manager_.HideButton(parent_.Handle(), id_);
    ASSERT_FALSE(IsWindowVisible(button));
    MoveCursor(Inside());
    EXPECT_TRUE(PumpUntil([&] { return GetWindowLongPtrA(button, GWLP_USERDATA) == 0x1; }));
    ParkCursor();
    EXPECT_TRUE(PumpUntil([&] { return GetWindowLongPtrA(button, GWLP_USERDATA) == 0x0; }));
}

TEST_F(ImageButtonTest, MissingBitmapShowsOnlyTheCaption) {
    AddButton("MMMM", dir_.Path("missing.bmp"));
    const RECT area{20, 20, 80, 50};
    EXPECT_TRUE(PumpUntil([&] { return parent_.CountDark(area) > 20; }));
    EXPECT_EQ(Look(), kWhite);
}

TEST_F(ImageButtonTest, StripShortOfThreeFramesGivesOnlyWhatItHolds) {
    // Half a third frame: 150 pixels for buttons 60 wide.
    const std::string shortStrip =
        dir_.Write("short.bmp", BitmapStrip(30, 30, {kRed, kRed, kGreen, kGreen, kBlue}));
    AddButton("", shortStrip);
    manager_.DisableButton(parent_.Handle(), id_);
    ASSERT_TRUE(ShowsSoon(kBlue));
    EXPECT_EQ(parent_.Pixel(49, 35), kBlue);
    EXPECT_EQ(parent_.Pixel(50, 35), kWhite);
    EXPECT_EQ(parent_.Pixel(79, 49), kWhite);
}

}  // namespace
