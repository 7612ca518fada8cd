#include "config/colour.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadColour, ComposesRedGreenBlueFromLowBytes) {
    EXPECT_EQ(ReadColour("255;0;0"), 0x0000FFu);
    EXPECT_EQ(ReadColour("0;255;0"), 0x00FF00u);
    EXPECT_EQ(ReadColour("1;2;3"), 0x030201u);
    EXPECT_EQ(ReadColour("256;0;0"), 0u);
    EXPECT_EQ(ReadColour(" 16 ;32px;48;extra"), 0x302010u);
    EXPECT_EQ(ReadColour("-2;0;0"), 0xFEu);
}

TEST(ReadColour, MinusOneOrMissingPartsKeepTheDefault) {
    EXPECT_EQ(ReadColour("-1;0;0"), std::nullopt);
    EXPECT_EQ(ReadColour("0;0;-1"), std::nullopt);
    EXPECT_EQ(ReadColour(""), std::nullopt);
    EXPECT_EQ(ReadColour("255;0"), std::nullopt);
    EXPECT_EQ(ReadColour("red"), std::nullopt);
}

}  // namespace
