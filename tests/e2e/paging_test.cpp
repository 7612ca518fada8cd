#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_menu_scenario.h"

namespace {

// Menu "krotkie" holds four applications, menu "dlugie" ten; both show four a page.
constexpr int kShortMenuFirst = 2001;
constexpr int kLongMenuFirst = 2151;
constexpr int kLongMenuCount = 10;

class PagingTest : public MainMenuScenario {
protected:
    PagingTest() : MainMenuScenario("paged-menu") {}

    // The identifiers of the shown application buttons among count from the first.
    std::vector<int> ShownButtons(int first, int count) const {
        std::vector<int> shown;
        for (int id = first; id < first + count; ++id) {
            if (IsShown(id)) shown.push_back(id);
        }
        return shown;
    }

    // Every page stands in the same column, one button below the other.
    void ExpectColumnFrom(int first, int count) const {
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(PlaceOf(first + i), (Place{10, 60 + 30 * i, 200, 30})) << "button " << i;
        }
    }

    // Clicks a page button and waits for the page's first application.
    ::testing::AssertionResult TurnTo(int button, const std::string& title) const {
        if (!Click(button)) return ::testing::AssertionFailure() << "no click on " << button;
        if (!WaitFor([&] { return TextOf(control::kTitle) == title; })) {
            return ::testing::AssertionFailure() << "the title did not become " << title;
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(PagingTest, OnePageMenuHidesNextAndPrev) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    EXPECT_FALSE(IsShown(control::kNext));
    EXPECT_FALSE(IsShown(control::kPrev));
    EXPECT_EQ(ShownButtons(kShortMenuFirst, 4), (std::vector<int>{2001, 2002, 2003, 2004}));
    ExpectColumnFrom(kShortMenuFirst, 4);
    EXPECT_EQ(TextOf(control::kTitle), "Short 1");

    CloseByButton();
}

TEST_F(PagingTest, LongMenuTurnsPagesOfFour) {
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    ASSERT_TRUE(Click(control::kSecondMenu));
    ASSERT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "Long 1"; }));
    EXPECT_TRUE(IsShown(control::kNext));
    EXPECT_TRUE(IsShown(control::kPrev));
    EXPECT_EQ(ShownButtons(kLongMenuFirst, kLongMenuCount),
              (std::vector<int>{2151, 2152, 2153, 2154}));
    ExpectColumnFrom(kLongMenuFirst, 4);
    EXPECT_EQ(ShownButtons(kShortMenuFirst, 4), std::vector<int>{});

    ASSERT_TRUE(TurnTo(control::kNext, "Long 5"));
    EXPECT_EQ(ShownButtons(kLongMenuFirst, kLongMenuCount),
              (std::vector<int>{2155, 2156, 2157, 2158}));
    ExpectColumnFrom(2155, 4);

    ASSERT_TRUE(TurnTo(control::kNext, "Long 9"));
    EXPECT_EQ(ShownButtons(kLongMenuFirst, kLongMenuCount), (std::vector<int>{2159, 2160}));
    ExpectColumnFrom(2159, 2);
    EXPECT_TRUE(IsShown(control::kNext));
    EXPECT_TRUE(IsShown(control::kPrev));

    ASSERT_TRUE(TurnTo(control::kPrev, "Long 5"));
    ASSERT_TRUE(TurnTo(control::kPrev, "Long 1"));
    EXPECT_EQ(ShownButtons(kLongMenuFirst, kLongMenuCount),
              (std::vector<int>{2151, 2152, 2153, 2154}));

    CloseByButton();
}

TEST_F(PagingTest, ApplicationsBeforeTheOnlyTemplateCountInItsColumnWalk) {
    std::string elements =
        "<window title=\"Pages\" width=500 height=400/>\n"
        "<item type=button name=close text=\"X\" image=\"Menu\\close.bmp\" positionX=460 "
        "positionY=10 width=30 height=30/>\n"
        "<item type=button name=next text=\"More\" image=\"Menu\\page.bmp\" positionX=100 "
        "positionY=330 width=80 height=30/>\n"
        "<item type=text name=title positionX=250 positionY=60 width=200 height=30/>\n"
        "<menu name=m text=\"Walk\" image=\"Menu\\menu.bmp\" positionX=10 positionY=10 "
        "width=100 height=30/>\n"
        "<application type=m title=\"Early 1\"/>\n<application type=m title=\"Early 2\"/>\n"
        "<menuitem parent=m image=\"Menu\\application.bmp\" positionX=10 positionY=100 "
        "width=200 height=30 maxitems=3/>\n";
    for (int i = 3; i <= 7; ++i) {
        elements += "<application type=m title=\"Walk " + std::to_string(i) + "\"/>\n";
    }
    Disc().Write("Menu\\en.dat", elements);
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    const int y[] = {130, 70, 100, 130, 70};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(PlaceOf(2003 + i), (Place{10, y[i], 200, 30})) << "application " << i + 3;
    }
    EXPECT_EQ(Control(2002), nullptr);
    EXPECT_EQ(ShownButtons(2001, 7), std::vector<int>{2003});
    EXPECT_EQ(TextOf(control::kTitle), "Early 1");
    ASSERT_TRUE(TurnTo(control::kNext, "Walk 4"));
    EXPECT_EQ(ShownButtons(2001, 7), (std::vector<int>{2004, 2005, 2006}));
    ASSERT_TRUE(TurnTo(control::kNext, "Walk 7"));
    EXPECT_EQ(ShownButtons(2001, 7), std::vector<int>{2007});
    CloseByButton();
}

}  // namespace
