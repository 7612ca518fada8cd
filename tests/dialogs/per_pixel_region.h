#pragma once

#include <windows.h>

#include "app/handles.h"

// The window region of a colour-keyed bitmap made the slow, plain way, to check the
// run-based one against: every pixel read with GetPixel through a memory context of the
// window's, one region per key pixel united one by one, and the union cut out of the
// bitmap's rectangle with RGN_XOR.
UniqueRegion PerPixelColorKeyRegion(HWND window, HBITMAP bitmap, COLORREF key);
