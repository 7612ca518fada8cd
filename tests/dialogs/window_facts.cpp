#include "window_facts.h"

std::string ClassNameOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string TextOf(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

RECT RectInParent(HWND child) {
    RECT rect = ScreenRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

POINT CentredOver(const RECT& outer, int width, int height) {
    // Truncated toward zero, also when the window is the larger one.
    return {outer.left + (outer.right - outer.left - width) / 2,
            outer.top + (outer.bottom - outer.top - height) / 2};
}
