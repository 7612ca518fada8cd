#include "harness/input.h"

#include <algorithm>

namespace e2e {
namespace {

constexpr UINT kSyncTimeoutMs = 2000;

// SendInput maps 0..65535 onto the primary screen as pixel = value * extent / 65536;
// the smallest value landing on the pixel.
LONG NormalisedCoordinate(LONG pixel, int extent) {
    const long long value = (static_cast<long long>(pixel) * 65536 + extent - 1) / extent;
    return static_cast<LONG>(std::clamp<long long>(value, 0, 65535));
}

bool SendMouse(POINT screenPoint, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = NormalisedCoordinate(screenPoint.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = NormalisedCoordinate(screenPoint.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &input, sizeof(INPUT)) == 1;
}

}  // namespace

bool ClickAt(POINT screenPoint, HWND receiver) {
    if (!SendMouse(screenPoint, MOUSEEVENTF_MOVE)) return false;
    // A round trip to the receiver's thread lets it take in the move before the press. Under
    // Wine the pointer can still jump back to where it was before the move, so the press and
    // the release carry the point too: a press elsewhere on the menu's background would drag
    // the whole window instead of clicking.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(receiver, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSyncTimeoutMs, &ignored);
    return SendMouse(screenPoint, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN) &&
           SendMouse(screenPoint, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP);
}

bool MoveCursorTo(POINT screenPoint) { return SendMouse(screenPoint, MOUSEEVENTF_MOVE); }

bool ClickCentre(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    return ClickAt(
        {rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2},
        window);
}

}  // namespace e2e
