// The start-up floor: a plain Win32 program that opens one window of the menu's size, paints
// it once and quits. With "stay" it keeps the window open instead, the idle floor; with "tick"
// it also runs an empty 10 ms timer, the floor of any 10 ms poll. With "picture FILE" it keeps
// open a window showing that JPEG, loaded through OLE as the menu loads its background: the
// floor of what the menu must do before its first paint.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace {

bool g_stay = false;
IPicture* g_picture = nullptr;

IPicture* LoadPicture(const char* path) {
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH)) return nullptr;
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicturePath(wide, nullptr, 0, 0, IID_IPicture,
                                  reinterpret_cast<void**>(&picture)))) {
        return nullptr;
    }
    return picture;
}

void PaintPicture(HDC dc) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    g_picture->get_Width(&width);
    g_picture->get_Height(&height);
    g_picture->Render(dc, 0, 0, 800, 600, 0, height, width, -height, nullptr);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (g_picture) {
            PaintPicture(dc);
        } else {
            FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
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
    const bool picture = std::strncmp(commandLine, "picture ", 8) == 0;
    g_stay = tick || picture || std::strcmp(commandLine, "stay") == 0;
    if (picture) {
        OleInitialize(nullptr);
        g_picture = LoadPicture(commandLine + 8);
    }
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
