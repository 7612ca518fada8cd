#include "controls/button_state.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct StateWordCase {
    const char* rule;
    ButtonState state;
    std::intptr_t word;
};

const StateWordCase kStateWords[] = {
    {"idle is zero", {false, false}, 0},
    {"hover is the low half", {true, false}, 0x1},
    {"pressed is the high half", {false, true}, 0x10000},
    {"both", {true, true}, 0x10001},
};

TEST(ButtonStateWord, PacksHoverLowAndPressedHigh) {
    for (const StateWordCase& row : kStateWords) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(PackButtonState(row.state), row.word);
        const ButtonState back = UnpackButtonState(row.word);
        EXPECT_EQ(back.hover, row.state.hover);
        EXPECT_EQ(back.pressed, row.state.pressed);
    }
}

TEST(ButtonStateWord, AnyNonzeroHalfCountsAsSet) {
    const ButtonState state = UnpackButtonState(0x00020004);
    EXPECT_TRUE(state.hover);
    EXPECT_TRUE(state.pressed);
    // Bits above the two halves never count; a 32-bit word has none.
    const auto above = static_cast<std::intptr_t>(std::uint64_t{1} << 32);
    EXPECT_FALSE(UnpackButtonState(above).hover);
    EXPECT_FALSE(UnpackButtonState(above).pressed);
}

TEST(ButtonStateHover, ReportsOnlyChanges) {
    ButtonState state;
    EXPECT_FALSE(UpdateHover(state, false));
    EXPECT_TRUE(UpdateHover(state, true));
    EXPECT_TRUE(state.hover);
    EXPECT_FALSE(UpdateHover(state, true));
    state.pressed = true;
    EXPECT_TRUE(UpdateHover(state, false));
    EXPECT_FALSE(state.hover);
    EXPECT_TRUE(state.pressed);
}

}  // namespace
