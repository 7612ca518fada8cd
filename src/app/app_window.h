#pragma once

#include <windows.h>

#include "app/handles.h"

// Base of the program's top-level window: registers its class, creates the native window
// centred on the screen and routes every message to the object's HandleMessage.
class AppWindow {
public:
    AppWindow() = default;
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    // 1 when the window exists, 0 otherwise. A null class name means "Kasasasasdow".
    int Create(HINSTANCE instance, HWND parent, const char* title, const char* className,
               DWORD style, int width, int height);
    // The first icon of an icon, program or library file; call before Create.
    void SetIconFromFile(const char* path);
    void Invalidate();

    HWND Handle() const { return window_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    virtual int RegisterWindowClass();
    virtual void OnCreate() {}
    virtual ~AppWindow();
    // Nonzero when handled; 0 leaves the message to default processing.
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void RunMessageLoop() = 0;
    virtual void Show();
    virtual void OnPaint() = 0;
    virtual void OnCommand(WPARAM wParam) = 0;

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

protected:
    int width_ = 640;
    int height_ = 480;
    HWND window_ = nullptr;
    HINSTANCE instance_ = nullptr;
    MSG message_{};
    WNDCLASSEXA class_{};
    UniqueIcon icon_;
    const char* className_ = nullptr;

private:
    bool registered_ = false;
};
