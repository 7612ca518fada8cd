#include "app/font_rule.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct WidthCase {
    int height;
    int width;
};

TEST(FontWidthForHeight, DividesByTwoPointThreeTruncatingTowardZero) {
    const WidthCase cases[] = {
        {18, 7},  // the title font
        {14, 6},  // the button captions
        {0, 0},
        {1, 0},
        {2, 0},
        {3, 1},
        {23, 10},  // exact quotients stay whole
        {46, 20},
        {69, 30},
        {22, 9},
        {-18, -7},
        {-23, -10},
        {-3, -1},
        {INT_MAX, 933688542},
        {INT_MIN, -933688542},
    };
    for (const WidthCase& row : cases) {
        EXPECT_EQ(FontWidthForHeight(row.height), row.width) << "height " << row.height;
    }
}

}  // namespace
