#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(CentredOrigin, SplitsTheSpareRoomEquallyTruncatingTowardZero) {
    EXPECT_EQ(CentredOrigin(1024, 641), 191);
    EXPECT_EQ(CentredOrigin(1024, 1200), -88);
    EXPECT_EQ(CentredOrigin(1024, 1201), -88);
    EXPECT_EQ(CentredOrigin(768, 0), 384);
    EXPECT_EQ(CentredOrigin(768, 768), 0);
}

TEST(CentredOrigin, ExtremeSizesDoNotOverflow) {
    EXPECT_EQ(CentredOrigin(1024, INT_MAX), (1024LL - INT_MAX) / 2);
    EXPECT_EQ(CentredOrigin(1024, INT_MIN), 1073742336);
    EXPECT_EQ(CentredOrigin(INT_MAX, INT_MIN), INT_MAX);
}

}  // namespace
