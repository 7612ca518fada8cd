#include "control_test_bed.h"

#include "app/handles.h"

namespace {

constexpr char kParentClass[] = "ControlsTestParent";
constexpr int kLeft = 100;
constexpr int kTop = 100;
constexpr int kWidth = 320;
constexpr int kHeight = 200;

// Registered by the first parent; later registrations fail harmlessly.
void RegisterParentClass(WNDPROC proc) {
    WNDCLASSEXA parentClass{};
    parentClass.cbSize = sizeof(parentClass);
    parentClass.lpfnWndProc = proc;
    parentClass.hInstance = GetModuleHandleA(nullptr);
    parentClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    parentClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    parentClass.lpszClassName = kParentClass;
    RegisterClassExA(&parentClass);
}

void SendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

TestParent::TestParent() {
    RegisterParentClass(Proc);
    ParkCursor();
    window_ = CreateWindowExA(0, kParentClass, "controls", WS_POPUP | WS_VISIBLE, kLeft, kTop,
                              kWidth, kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    UpdateWindow(window_);
}

TestParent::~TestParent() {
    DestroyWindow(window_);
    ParkCursor();
    PumpFor(20);
}

POINT TestParent::ScreenPoint(int x, int y) const {
    POINT point{x, y};
    ClientToScreen(window_, &point);
    return point;
}

COLORREF TestParent::Pixel(int x, int y) const {
    WindowDc dc(window_);
    return GetPixel(dc.Get(), x, y);
}

int TestParent::CountColour(const RECT& rect, COLORREF colour) const {
    WindowDc dc(window_);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) count += GetPixel(dc.Get(), x, y) == colour;
    }
    return count;
}

int TestParent::CountDark(const RECT& rect) const {
    WindowDc dc(window_);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const COLORREF pixel = GetPixel(dc.Get(), x, y);
            count += GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100;
        }
    }
    return count;
}

LRESULT CALLBACK TestParent::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND) {
        self->commands_.push_back({wParam, lParam});
        return 0;
    }
    if (self && message == WM_GETFONT) return reinterpret_cast<LRESULT>(self->font_);
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

void MoveCursor(POINT screen) { SetCursorPos(screen.x, screen.y); }

void ParkCursor() {
    MoveCursor({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

void PressLeft() { SendButton(MOUSEEVENTF_LEFTDOWN); }

void ReleaseLeft() { SendButton(MOUSEEVENTF_LEFTUP); }

int NextControlId() {
    static int id = 41000;
    return id++;
}
