#include "menu/menu_window.h"

LRESULT MenuWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AppWindow::HandleMessage(window, message, wParam, lParam);
}

void MenuWindow::RunMessageLoop() {
    while (GetMessageA(&message_, nullptr, 0, 0) > 0) {
        TranslateMessage(&message_);
        DispatchMessageA(&message_);
    }
}

void MenuWindow::OnPaint() {
    PAINTSTRUCT paint;
    BeginPaint(window_, &paint);
    EndPaint(window_, &paint);
}
