#include "controls/link_button.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/handles.h"
#include "control_test_bed.h"

namespace {

constexpr COLORREF kGrey = RGB(153, 153, 153);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr RECT kArea{20, 20, 140, 50};

// One 120 x 30 link "Lumivo" at (20, 20) of a white parent with a large bold font.
class LinkButtonTest : public testing::Test {
protected:
    void SetUp() override {
        links_.RegisterLinkClass(GetModuleHandleA(nullptr));
        parent_.SetFont(font_.Get());
    }

    HWND AddLink() {
        EXPECT_TRUE(links_.CreateLink("Lumivo", 20, 20, 120, 30, parent_.Handle(), id_));
        return GetDlgItem(parent_.Handle(), id_);
    }
    // The caption shows in that colour and in neither of the other two.
    bool Shows(COLORREF colour) const {
        for (const COLORREF each : {kGrey, kBlue, kRed}) {
            if ((parent_.CountColour(kArea, each) > 0) != (each == colour)) return false;
        }
        return true;
    }
    bool ShowsSoon(COLORREF colour) const {
        return PumpUntil([&] { return Shows(colour); });
    }
    POINT Inside() const { return parent_.ScreenPoint(80, 35); }
    POINT Outside() const { return parent_.ScreenPoint(200, 150); }

    LinkButton links_;
    UniqueFont font_{CreateFontA(24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                 DEFAULT_PITCH, "Arial")};
    TestParent parent_;
    const int id_ = NextControlId();
};

TEST_F(LinkButtonTest, GreyThenBlueUnderTheCursorThenRedWhilePressed) {
    const HWND link = AddLink();
    EXPECT_TRUE(ShowsSoon(kGrey));
    MoveCursor(Inside());
    EXPECT_TRUE(ShowsSoon(kBlue));
    PressLeft();
    EXPECT_TRUE(ShowsSoon(kRed));
    EXPECT_EQ(GetWindowLongPtrA(link, GWLP_USERDATA), 0x10001);
    ReleaseLeft();
    EXPECT_TRUE(ShowsSoon(kBlue));
    ASSERT_EQ(parent_.Commands().size(), 1u);
    EXPECT_EQ(parent_.Commands()[0].wParam, static_cast<WPARAM>(id_));
    EXPECT_EQ(parent_.Commands()[0].lParam, reinterpret_cast<LPARAM>(link));
}

TEST_F(LinkButtonTest, MovingOffWhilePressedShowsGreyAndReleaseThereSendsNothing) {
    AddLink();
    MoveCursor(Inside());
    ASSERT_TRUE(ShowsSoon(kBlue));
    PressLeft();
    ASSERT_TRUE(ShowsSoon(kRed));
    MoveCursor(Outside());
    EXPECT_TRUE(ShowsSoon(kGrey));
    ReleaseLeft();
    PumpFor(50);
    EXPECT_TRUE(parent_.Commands().empty());
}

TEST_F(LinkButtonTest, ReleaseOverTheLinkAloneSendsTheCommand) {
    AddLink();
    MoveCursor(Outside());
    PressLeft();
    PumpFor(20);
    MoveCursor(Inside());
    ReleaseLeft();
    ASSERT_TRUE(PumpUntil([&] { return !parent_.Commands().empty(); }));
    EXPECT_EQ(parent_.Commands()[0].wParam, static_cast<WPARAM>(id_));
}

TEST_F(LinkButtonTest, DisabledLinkTurnsBlueButNeverRedAndSendsNothing) {
    const HWND link = AddLink();
    EnableWindow(link, FALSE);
    MoveCursor(Inside());
    EXPECT_TRUE(ShowsSoon(kBlue));
    PressLeft();
    ReleaseLeft();
    PumpFor(50);
    EXPECT_EQ(parent_.CountColour(kArea, kRed), 0);
    EXPECT_TRUE(parent_.Commands().empty());
}

TEST_F(LinkButtonTest, ParentWithoutAFontGetsTheDefaultFont) {
    parent_.SetFont(nullptr);
    AddLink();
    EXPECT_TRUE(ShowsSoon(kGrey));
}

TEST(LinkButton, RecordsItsLinksAndForgetsThemWithTheClassWhenDestroyed) {
    const int first = NextControlId();
    const int second = NextControlId();
    {
        LinkButton links;
        TestParent parent;
        links.RegisterLinkClass(GetModuleHandleA(nullptr));
        links.RegisterLinkClass(GetModuleHandleA(nullptr));
        EXPECT_TRUE(links.CreateLink("a", 0, 0, 50, 15, parent.Handle(), first));
        EXPECT_FALSE(links.CreateLink("b", 0, 0, 50, 15, nullptr, NextControlId()));
        EXPECT_TRUE(links.CreateLink("c", 0, 20, 50, 15, parent.Handle(), second));
        EXPECT_EQ(LinkButton::LinkIds(), (std::vector<int>{first, second}));

        WNDCLASSEXA info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kLinkClassName, &info));
        EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, IDC_HAND));
        EXPECT_EQ(info.hbrBackground, GetStockObject(NULL_BRUSH));
    }
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), kLinkClassName, &info));
    EXPECT_TRUE(LinkButton::LinkIds().empty());
}

}  // namespace
