// The start-up floor: a plain Win32 program that opens one window of the menu's size, paints
// it once and quits. With "stay" it keeps the window open instead, the idle floor; with "tick"
// it also runs an empty 10 ms timer, the floor of any 10 ms poll. With "picture FILE" it keeps
// open a window showing that JPEG, loaded through OLE as the menu loads its background: the
// floor of what the menu must do before its first paint. With "described N FILE" it loads
// that JPEG four times, as the menu loads its background, two banners and a screenshot, and
// shows N child windows that each paint a caption over a bitmap: the floor of a menu of that
// many visible controls.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdlib>
#include <cstring>

namespace {

bool g_stay = false;
IPicture* g_picture = nullptr;
HBITMAP g_childBitmap = nullptr;

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

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, g_childBitmap);
        BitBlt(dc, 0, 0, 100, 30, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        RECT client{0, 0, 100, 30};
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, "Floor", -1, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void CreateChildren(HINSTANCE instance, HWND parent, int count) {
    WNDCLASSEXA childClass{};
    childClass.cbSize = sizeof(childClass);
    childClass.lpfnWndProc = ChildProc;
    childClass.hInstance = instance;
    childClass.lpszClassName = "FloorChild";
    RegisterClassExA(&childClass);
    HDC screen = GetDC(nullptr);
    g_childBitmap = CreateCompatibleBitmap(screen, 300, 30);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < count; ++i) {
        CreateWindowExA(0, "FloorChild", "", WS_CHILD | WS_VISIBLE, 10 + (i % 6) * 130,
                        10 + (i / 6) * 40, 100, 30, parent, nullptr, instance, nullptr);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool tick = std::strcmp(commandLine, "tick") == 0;
    const bool picture = std::strncmp(commandLine, "picture ", 8) == 0;
    const bool described = std::strncmp(commandLine, "described ", 10) == 0;
    g_stay = tick || picture || described || std::strcmp(commandLine, "stay") == 0;
    char* path = nullptr;
    const int children = described ? std::strtol(commandLine + 10, &path, 10) : 0;
    if (picture || described) {
        OleInitialize(nullptr);
        g_picture = LoadPicture(picture ? commandLine + 8 : path + 1);
    }
    for (int more = described ? 3 : 0; more > 0; --more) {
        if (IPicture* another = LoadPicture(path + 1)) another->Release();
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
    if (children > 0) CreateChildren(instance, window, children);
    ShowWindow(window, SW_SHOWNORMAL);
    if (tick) SetTimer(window, 1, 10, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
