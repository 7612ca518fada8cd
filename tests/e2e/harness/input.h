#pragma once

#include <windows.h>

namespace e2e {

// A real left click through the system's input queue: move there, press, release.
// The receiver is the window expected under the point; the click waits for its thread to
// take in the move. True when every event went in; where they land is up to the screen.
bool ClickAt(POINT screenPoint, HWND receiver);
// Clicks the middle of the window's screen rectangle.
bool ClickCentre(HWND window);
// A real move of the mouse to the point, through the system's input queue.
bool MoveCursorTo(POINT screenPoint);

}  // namespace e2e
