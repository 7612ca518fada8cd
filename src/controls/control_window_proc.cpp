#include "controls/control_window_proc.h"

#include <algorithm>
#include <vector>

#include "app/handles.h"

namespace {

constexpr UINT kHoverPeriodMs = 10;

// One thread timer polls the hover of every live control: a timer per control costs a timer
// message per control every 10 ms, even while nothing moves.
struct HoverPoll {
    std::vector<HWND> controls;
    UINT_PTR timer = 0;
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

void CALLBACK PollHover(HWND, UINT, UINT_PTR, DWORD) {
    POINT cursor;
    const bool known = GetCursorPos(&cursor) != FALSE;
    for (HWND control : Poll().controls) {
        ButtonState state = UnpackButtonState(GetWindowLongPtrA(control, GWLP_USERDATA));
        if (UpdateHover(state, known && CursorInside(control, cursor))) {
            SetWindowLongPtrA(control, GWLP_USERDATA, PackButtonState(state));
            InvalidateRect(control, nullptr, TRUE);
        }
    }
}

void StartHoverPoll(HWND control) {
    HoverPoll& poll = Poll();
    poll.controls.push_back(control);
    if (!poll.timer) poll.timer = SetTimer(nullptr, 0, kHoverPeriodMs, PollHover);
}

void StopHoverPoll(HWND control) {
    HoverPoll& poll = Poll();
    std::erase(poll.controls, control);
    if (poll.controls.empty() && poll.timer) {
        KillTimer(nullptr, poll.timer);
        poll.timer = 0;
    }
}

void HandleMessage(HWND window, UINT message, PaintControl paint, ButtonState& state) {
    switch (message) {
        case WM_CREATE:
            state = {};
            StartHoverPoll(window);
            break;
        case WM_DESTROY:
            StopHoverPoll(window);
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
    ButtonState state = UnpackButtonState(GetWindowLongPtrA(window, GWLP_USERDATA));
    try {
        HandleMessage(window, message, paint, state);
    } catch (...) {
        // Nothing may unwind into USER32; a paint that ran out of memory is simply skipped.
    }
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, PackButtonState(state));
    return result;
}
