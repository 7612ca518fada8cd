#pragma once

#include <windows.h>

#include <vector>

// A visible, white top-level window for controls to live on. It records the commands its
// children send and answers WM_GETFONT with the font it is given.
class TestParent {
public:
    TestParent();
    ~TestParent();
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    struct Command {
        WPARAM wParam;
        LPARAM lParam;
    };

    HWND Handle() const { return window_; }
    const std::vector<Command>& Commands() const { return commands_; }
    void SetFont(HFONT font) { font_ = font; }
    // A point of the client area in screen coordinates.
    POINT ScreenPoint(int x, int y) const;
    // A pixel of the client area as it is on screen, children included.
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle have exactly that colour.
    int CountColour(const RECT& rect, COLORREF colour) const;
    // How many pixels of the rectangle are dark (each channel below 100).
    int CountDark(const RECT& rect) const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<Command> commands_;
};

// Dispatches this thread's messages until done() holds or the time is up; false on timeout.
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs = 1000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Dispatches messages for a while: long enough for several 10 ms hover polls.
void PumpFor(DWORD milliseconds);

// The real cursor, and the left mouse button through the system's input queue.
void MoveCursor(POINT screen);
void ParkCursor();
void PressLeft();
void ReleaseLeft();

// Control ids nobody else in the test program uses: the bindings of ids are program-wide.
int NextControlId();
