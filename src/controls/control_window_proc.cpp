#include "controls/control_window_proc.h"

#include "app/handles.h"

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPeriodMs = 10;

bool CursorInside(HWND window) {
    POINT cursor;
    if (!GetCursorPos(&cursor)) return false;
    ScreenToClient(window, &cursor);
    RECT client;
    GetClientRect(window, &client);
    return PtInRect(&client, cursor) != FALSE;
}

void HandleMessage(HWND window, UINT message, PaintControl paint, ButtonState& state) {
    switch (message) {
        case WM_CREATE:
            state = {};
            SetTimer(window, kHoverTimer, kHoverPeriodMs, nullptr);
            break;
        case WM_TIMER:
            if (UpdateHover(state, CursorInside(window))) InvalidateRect(window, nullptr, TRUE);
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
