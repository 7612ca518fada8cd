#include "controls/control_window_proc.h"

#include <algorithm>
#include <vector>

#include "app/handles.h"

namespace {

constexpr UINT kHoverPeriodMs = 10;

// One thread timer polls the hover of every live control, and only while the cursor may be
// over one: a mouse message of this thread wakes it, and it stops once no control shows hover
// or is pressed. A timer that never stops costs a wineserver round trip every 10 ms while the
// menu sits idle. Hover stays geometric: a hidden or covered control under the cursor keeps it.
struct HoverPoll {
    std::vector<HWND> controls;
    UINT_PTR timer = 0;
    HHOOK mouseHook = nullptr;
};

// Never destroyed: controls may outlive static destruction.
HoverPoll& Poll() {
    static auto* poll = new HoverPoll;
    return *poll;
}

bool CursorInside(HWND window, POINT cursor) {
    ScreenToClient(window, &cursor);
    RECT client;
    GetClientRect(window, &client);
    return PtInRect(&client, cursor) != FALSE;
}

bool CursorInside(HWND window) {
    POINT cursor;
    return GetCursorPos(&cursor) && CursorInside(window, cursor);
}

void StopHoverPoll() {
    HoverPoll& poll = Poll();
    if (poll.timer) KillTimer(nullptr, poll.timer);
    poll.timer = 0;
}

void CALLBACK PollHover(HWND, UINT, UINT_PTR, DWORD) {
    POINT cursor;
    const bool known = GetCursorPos(&cursor) != FALSE;
    bool active = false;
    for (HWND control : Poll().controls) {
        ButtonState state = UnpackButtonState(GetWindowLongPtrA(control, GWLP_USERDATA));
        if (UpdateHover(state, known && CursorInside(control, cursor))) {
            SetWindowLongPtrA(control, GWLP_USERDATA, PackButtonState(state));
            InvalidateRect(control, nullptr, TRUE);
        }
        active = active || state.hover || state.pressed;
    }
    if (!active) StopHoverPoll();
}

void StartHoverPoll() {
    HoverPoll& poll = Poll();
    if (!poll.timer) poll.timer = SetTimer(nullptr, 0, kHoverPeriodMs, PollHover);
}

// Any window of the thread: the cursor reaches a control's rectangle only across one of them.
LRESULT CALLBACK WakeOnMouse(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) StartHoverPoll();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void AddToHoverPoll(HWND control) {
    HoverPoll& poll = Poll();
    poll.controls.push_back(control);
    if (!poll.mouseHook) {
        poll.mouseHook = SetWindowsHookExA(WH_MOUSE, WakeOnMouse, nullptr, GetCurrentThreadId());
    }
    // The cursor may rest where the control appears.
    StartHoverPoll();
}

void RemoveFromHoverPoll(HWND control) {
    HoverPoll& poll = Poll();
    std::erase(poll.controls, control);
    if (!poll.controls.empty()) return;
    StopHoverPoll();
    if (poll.mouseHook) UnhookWindowsHookEx(poll.mouseHook);
    poll.mouseHook = nullptr;
}

void HandleMessage(HWND window, UINT message, PaintControl paint, ButtonState& state) {
    switch (message) {
        case WM_CREATE:
            state = {};
            AddToHoverPoll(window);
            break;
        case WM_DESTROY:
            RemoveFromHoverPoll(window);
            break;
        case WM_LBUTTONDOWN:
            SetCapture(window);
            state.pressed = true;
            InvalidateRect(window, nullptr, TRUE);
            break;
        case WM_LBUTTONUP:
            ReleaseCapture();
            state.pressed = false;
            InvalidateRect(window, nullptr, TRUE);
            if (CursorInside(window)) {
                const auto id = static_cast<UINT>(GetDlgCtrlID(window));
                SendMessageA(GetParent(window), WM_COMMAND, id, reinterpret_cast<LPARAM>(window));
            }
            break;
        case WM_PAINT: {
            PaintScope scope(window);
            paint(window, scope.Dc(), state);
            break;
        }
        default:
            break;
    }
}

}  // namespace

LRESULT ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          PaintControl paint) {
    const LONG_PTR stored = GetWindowLongPtrA(window, GWLP_USERDATA);
    ButtonState state = UnpackButtonState(stored);
    try {
        HandleMessage(window, message, paint, state);
    } catch (...) {
        // Nothing may unwind into USER32; a paint that ran out of memory is simply skipped.
    }
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    // Each write is a wineserver round trip under Wine: only a changed state is stored.
    if (const LONG_PTR packed = PackButtonState(state); packed != stored) {
        SetWindowLongPtrA(window, GWLP_USERDATA, packed);
    }
    return result;
}
