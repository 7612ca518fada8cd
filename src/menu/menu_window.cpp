#include "menu/menu_window.h"

#include "app/handles.h"

LRESULT MenuWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AppWindow::HandleMessage(window, message, wParam, lParam);
}

void MenuWindow::RunMessageLoop() {
    while (GetMessageA(&message_, nullptr, 0, 0) > 0) {
        TranslateMessage(&message_);
        DispatchMessageA(&message_);
    }
}

// Until the menu draws itself the window shows the white it composes on.
void MenuWindow::OnPaint() {
    PaintScope paint(window_);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(paint.Dc(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}
