#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace e2e {

// "rgb(r, g, b)", for test messages.
std::string ColourName(COLORREF colour);

// Within a few steps of each other on every channel, as a JPEG's solid colour comes back.
bool IsNear(COLORREF a, COLORREF b);

// What the screen shows at a point; nothing when it cannot be read.
std::optional<COLORREF> ScreenPixel(POINT screenPoint);

// Waits until the point shows a colour near the expected one, since painting comes later
// than the change that asks for it. The last colour read either way; nothing when none was.
std::optional<COLORREF> WaitForColour(POINT screenPoint, COLORREF expected,
                                      std::chrono::milliseconds timeout);

}  // namespace e2e
