#include "dialogs/picture_dialog.h"

#include <windowsx.h>

#include "app/handles.h"
#include "app/window_placement.h"
#include "resources/resource.h"

void SetProgramIcon(HWND dialog) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    // A shared icon: the system frees it, not the dialog.
    const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void ShowCentredOnScreen(HWND dialog, int width, int height) {
    const int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width);
    const int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height);
    SetWindowPos(dialog, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
}

// A caption press carries its point in screen coordinates.
void DragFrom(HWND dialog, LPARAM clientPoint) {
    POINT point{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    ClientToScreen(dialog, &point);
    SendMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

namespace {

void Handle(const PictureDialogParts& parts, HWND dialog, UINT message, WPARAM wParam,
            LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            parts.initialise(dialog);
            break;
        case WM_PAINT: {
            const PaintScope paint(dialog);
            parts.paint(dialog, paint.Dc());
            break;
        }
        case WM_PRINTCLIENT:
            parts.paint(dialog, reinterpret_cast<HDC>(wParam));
            break;
        case WM_LBUTTONDOWN:
            DragFrom(dialog, lParam);
            break;
        case WM_TIMER:
            if (wParam == parts.closeTimer) SendMessageA(dialog, WM_CLOSE, 0, 0);
            break;
        case WM_CLOSE:
            parts.close(dialog);
            break;
        case WM_DESTROY:
            parts.release(dialog);
            break;
    }
}

}  // namespace

INT_PTR HandlePictureDialog(const PictureDialogParts& parts, HWND dialog, UINT message,
                            WPARAM wParam, LPARAM lParam) {
    try {
        Handle(parts, dialog, message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into USER32; the picture simply stays unshown.
    }
    return FALSE;
}
