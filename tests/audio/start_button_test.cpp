#include "audio/start_button.h"

#include <gtest/gtest.h>

#include "audio/player_config.h"
#include "controls/control_test_bed.h"

namespace {

bool NeedsPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

// Nothing of the desktop is left to paint before the step.
void PaintEverything() { PumpFor(50); }

TEST(StartButton, WithoutOneNothingIsRepainted) {
    TestParent player;
    TestParent other;
    PaintEverything();
    EnableStartButton(player.Handle(), true);
    EXPECT_FALSE(NeedsPaint(player.Handle()));
    EXPECT_FALSE(NeedsPaint(other.Handle()));
    EXPECT_FALSE(NeedsPaint(GetDesktopWindow()));
}

TEST(StartButton, EnablingRepaintsTheButtonOnlyAndOnlyOnAChange) {
    TestParent player;
    HWND start = CreateWindowExA(0, "STATIC", "Start", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10,
                                 100, 40, player.Handle(),
                                 reinterpret_cast<HMENU>(player_id::kStart), nullptr, nullptr);
    PaintEverything();
    EnableStartButton(player.Handle(), true);
    EXPECT_TRUE(IsWindowEnabled(start));
    EXPECT_TRUE(NeedsPaint(start));
    EXPECT_FALSE(NeedsPaint(player.Handle()));

    PaintEverything();
    EnableStartButton(player.Handle(), true);
    EXPECT_FALSE(NeedsPaint(start));
}

}  // namespace
