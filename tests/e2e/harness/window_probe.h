#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// What a test can see of a window from outside its process.
struct WindowDescription {
    std::string className;
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};
    bool visible = false;
    HWND owner = nullptr;
};

// The process's top-level windows, hidden ones included, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId);
// The first of the process's top-level windows that matches; null when none turns up in time.
HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& matches,
                   std::chrono::milliseconds timeout);

std::string ClassNameOf(HWND window);
std::string TitleOf(HWND window);
WindowDescription Describe(HWND window);

std::vector<HWND> ChildWindows(HWND parent);
HWND ControlById(HWND parent, int id);
// Asks the control itself (WM_GETTEXT); nothing when it does not answer in time.
std::optional<std::string> ControlText(HWND control);

}  // namespace e2e
