#include "controls/button_look.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct FrameCase {
    const char* rule;
    bool enabled;
    ButtonState state;
    int frame;
};

const FrameCase kFrames[] = {
    {"normal", true, {false, false}, 0},
    {"hover", true, {true, false}, 1},
    {"hover and pressed", true, {true, true}, 2},
    {"pressed but cursor away shows normal", true, {false, true}, 0},
    {"disabled", false, {false, false}, 2},
    {"disabled under the cursor", false, {true, false}, 2},
    {"disabled and pressed", false, {true, true}, 2},
};

TEST(FrameSourceX, PicksTheFrameForEveryState) {
    for (const FrameCase& row : kFrames) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(FrameSourceX(40, row.enabled, row.state), row.frame * 40);
    }
    // A width from the description near the end of int: the third frame is held there.
    EXPECT_EQ(FrameSourceX(INT_MAX, false, {}), INT_MAX);
}

struct PartCase {
    const char* rule;
    int stripWidth, stripHeight, sourceX, buttonWidth;
    int width, height;
};

// Buttons 30 pixels tall.
const PartCase kParts[] = {
    {"full strip, last frame", 120, 30, 80, 40, 40, 30},
    {"taller strip is cut to the button", 120, 50, 40, 40, 40, 30},
    {"strip of two frames lacks the third", 80, 30, 80, 40, 0, 0},
    {"strip ends inside the frame", 100, 30, 80, 40, 20, 30},
    {"shorter strip gives its rows", 120, 10, 0, 40, 40, 10},
    {"empty strip", 0, 0, 0, 40, 0, 0},
    {"empty button", 120, 30, 0, 0, 0, 0},
};

TEST(FramePartInStrip, NeverReachesPastTheStrip) {
    for (const PartCase& row : kParts) {
        SCOPED_TRACE(row.rule);
        const FramePart part =
            FramePartInStrip(row.stripWidth, row.stripHeight, row.sourceX, row.buttonWidth, 30);
        EXPECT_EQ(part.width, row.width);
        EXPECT_EQ(part.height, row.height);
        EXPECT_EQ(part.Empty(), row.width == 0);
    }
}

struct ColourCase {
    const char* rule;
    ButtonState state;
    std::uint32_t colour;
};

const ColourCase kColours[] = {
    {"away is grey", {false, false}, 0x999999},
    {"over is blue", {true, false}, 0xFF0000},
    {"over and pressed is red", {true, true}, 0x0000FF},
    {"pressed but away is grey", {false, true}, 0x999999},
};

TEST(LinkColour, FollowsTheMouse) {
    for (const ColourCase& row : kColours) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(LinkColour(row.state), row.colour);
    }
}

}  // namespace
