#pragma once

#include <windows.h>

// Enables or disables the player's start button. An image button does not repaint by itself
// when enabled, so a change repaints that button, and only it; a player whose description
// gives no start button is left alone.
void EnableStartButton(HWND dialog, bool enabled);
