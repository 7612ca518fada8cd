// The start-up floor: a plain Win32 program that opens one window of the menu's size, paints
// it once and quits. With "stay" it keeps the window open instead, the idle floor; with "tick"
// it also runs an empty 10 ms timer, the floor of any 10 ms poll.
#include <windows.h>

#include <cstring>

namespace {

bool g_stay = false;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &paint);
        if (!g_stay) PostQuitMessage(0);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool tick = std::strcmp(commandLine, "tick") == 0;
    g_stay = tick || std::strcmp(commandLine, "stay") == 0;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "FloorWindow";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "FloorWindow", "Floor", WS_POPUP, 112, 84, 800, 600, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    if (tick) SetTimer(window, 1, 10, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
