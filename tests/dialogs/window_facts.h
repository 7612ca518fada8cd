#pragma once

#include <windows.h>

#include <string>

// What the dialog tests read off a window.
std::string ClassNameOf(HWND window);
std::string TextOf(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
RECT ScreenRect(HWND window);
// Where a window of the given size stands when centred over the outer rectangle.
POINT CentredOver(const RECT& outer, int width, int height);
