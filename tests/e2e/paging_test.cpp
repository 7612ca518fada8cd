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

}  // namespace
