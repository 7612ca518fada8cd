#include "config/decimal.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ReadDecimal, ReadsLikeAtoi) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"640", 640},
        {"800px", 800},
        {"", 0},
        {"abc", 0},
        {"  -3", -3},
        {"+7", 7},
        {"\t\n 5", 5},
        {"- 5", 0},
        {"12a", 12},
        {"007", 7},
        {"-0", 0},
        {"1 2", 1},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ReadDecimal, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ReadDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(ReadDecimal("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadDecimal("-2147483649"), INT_MIN);
    EXPECT_EQ(ReadDecimal("-99999999999999999999999999"), INT_MIN);
}

}  // namespace
