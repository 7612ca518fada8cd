#pragma once

#include <windows.h>

// Draws the window's text on one line, centred both ways in its client area and clipped to it,
// in the font and colour already set on the context.
void DrawCentredCaption(HWND window, HDC dc);
