#include "controls/control_window_proc.h"

#include <algorithm>
#include <vector>

#include "app/handles.h"

namespace {

// While a control shows hover or is pressed, or the mouse moves over a window of the thread,
// the cursor is polled every 10 ms. Otherwise a slow poll runs the same test, once there was
// input since its last tick: the cursor can reach a control covered by another program's
// window without the thread seeing any mouse message, and hover is geometric. Each tick costs
// wineserver round trips under Wine, and a cursor query an X one besides, so the idle menu
// ticks five times a second rather than a hundred and asks for the cursor only after input.
constexpr UINT kHoverPeriodMs = 10;
constexpr UINT kIdlePeriodMs = 200;

struct HoverPoll {
    std::vector<HWND> controls;
    UINT_PTR timer = 0;
    UINT period = 0;
    DWORD lastInput = 0;
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

void CALLBACK PollHover(HWND, UINT, UINT_PTR, DWORD);

// SetTimer with the running timer's id changes its period.
void SetPollPeriod(UINT period) {
    HoverPoll& poll = Poll();
    if (poll.timer && poll.period == period) return;
    poll.timer = SetTimer(nullptr, poll.timer, period, PollHover);
    poll.period = poll.timer ? period : 0;
}

void StopHoverPoll() {
    HoverPoll& poll = Poll();
    if (poll.timer) KillTimer(nullptr, poll.timer);
    poll.timer = 0;
    poll.period = 0;
}

// Hover of one control from the cursor; repaints it only when hover changed.
void UpdateControlHover(HWND control, ButtonState& state, bool cursorInside) {
    if (UpdateHover(state, cursorInside)) InvalidateRect(control, nullptr, TRUE);
}

void CALLBACK PollHover(HWND, UINT, UINT_PTR, DWORD) {
    HoverPoll& poll = Poll();
    LASTINPUTINFO input{sizeof(input), 0};
    if (GetLastInputInfo(&input)) {
        if (poll.period == kIdlePeriodMs && input.dwTime == poll.lastInput) return;
        poll.lastInput = input.dwTime;
    }
    POINT cursor;
    const bool known = GetCursorPos(&cursor) != FALSE;
    bool active = false;
    for (HWND control : poll.controls) {
        const LONG_PTR stored = GetWindowLongPtrA(control, GWLP_USERDATA);
        ButtonState state = UnpackButtonState(stored);
        UpdateControlHover(control, state, known && CursorInside(control, cursor));
        if (const LONG_PTR packed = PackButtonState(state); packed != stored) {
            SetWindowLongPtrA(control, GWLP_USERDATA, packed);
        }
        active = active || state.hover || state.pressed;
    }
    SetPollPeriod(active ? kHoverPeriodMs : kIdlePeriodMs);
}

// Any window of the thread: the cursor mostly reaches a control across one of them.
LRESULT CALLBACK WakeOnMouse(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) SetPollPeriod(kHoverPeriodMs);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void AddToHoverPoll(HWND control) {
    HoverPoll& poll = Poll();
    poll.controls.push_back(control);
    if (!poll.mouseHook) {
        poll.mouseHook = SetWindowsHookExA(WH_MOUSE, WakeOnMouse, nullptr, GetCurrentThreadId());
    }
    // The cursor may rest where the control appears.
    SetPollPeriod(kHoverPeriodMs);
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
        case WM_TIMER:
            // A timer message polls this control at once; the shared poll follows it from here.
            UpdateControlHover(window, state, CursorInside(window));
            if (state.hover) SetPollPeriod(kHoverPeriodMs);
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
