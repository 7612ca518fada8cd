#include "app/app_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/system_library.h"
#include "app/window_placement.h"
#include "resources/resource.h"

namespace {
constexpr char kDefaultClassName[] = "Kasasasasdow";
}

int AppWindow::Create(HINSTANCE instance, HWND parent, const char* title, const char* className,
                      DWORD style, int width, int height) {
    width_ = width;
    height_ = height;
    className_ = className ? className : kDefaultClassName;
    instance_ = instance;
    if (!RegisterWindowClass()) return 0;

    const int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width_);
    const int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height_);
    HWND window = CreateWindowExA(0, className_, title, style, x, y, width_, height_, parent,
                                  nullptr, instance_, this);
    window_ = window;
    if (!window) return 0;
    OnCreate();
    return 1;
}

void AppWindow::SetIconFromFile(const char* path) {
    // ExtractIcon gives 1 for a file that is no icon, program or library: no icon either.
    static const auto extractIcon =
        SystemFunction<decltype(ExtractIconA)>("shell32.dll", "ExtractIconA");
    HICON icon = extractIcon ? extractIcon(GetModuleHandleA(nullptr), path, 0) : nullptr;
    icon_.Reset(reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr);
}

void AppWindow::Invalidate() { InvalidateRect(window_, nullptr, FALSE); }

int AppWindow::RegisterWindowClass() {
    class_ = {};
    class_.cbSize = sizeof(class_);
    class_.style = CS_HREDRAW | CS_VREDRAW;
    class_.lpfnWndProc = StaticWindowProc;
    class_.hInstance = instance_;
    class_.lpszClassName = className_;
    class_.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    if (icon_) {
        class_.hIcon = icon_.Get();
        class_.hIconSm = icon_.Get();
    } else {
        class_.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
        class_.hIconSm = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    }
    if (!RegisterClassExA(&class_)) {
        MessageBoxA(nullptr, "Aplikacja wymaga środowiska Windows.", "Blad!",
                    MB_ICONWARNING | MB_SYSTEMMODAL | MB_OK);
        return 0;
    }
    registered_ = true;
    return 1;
}

AppWindow::~AppWindow() {
    if (registered_) UnregisterClassA(class_.lpszClassName, class_.hInstance);
}

LRESULT AppWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_CREATE:
            window_ = window;
            InitCommonControls();
            return 1;
        case WM_DESTROY:
        case WM_CLOSE:
            // Closing only ends the loop; the native window stays until program end.
            PostQuitMessage(0);
            return 1;
        case WM_PAINT:
            OnPaint();
            return 1;
        case WM_COMMAND:
            OnCommand(wParam);
            return 1;
        default:
            return 0;
    }
}

void AppWindow::Show() { ShowWindow(window_, SW_SHOWNORMAL); }

LRESULT CALLBACK AppWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    auto* self = reinterpret_cast<AppWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    try {
        if (window && self) {
            if (LRESULT result = self->HandleMessage(window, message, wParam, lParam)) {
                return result;
            }
        }
    } catch (...) {
        // Nothing may unwind into USER32: a message whose handling ran out of memory is left to
        // the default handling, which still validates a paint.
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
