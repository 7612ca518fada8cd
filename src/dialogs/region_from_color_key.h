#pragma once

#include <windows.h>

#include "app/handles.h"

// The bitmap's rectangle (0, 0)-(width, height) less every pixel whose colour is exactly the
// key, in window coordinates, ready for SetWindowRgn. The pixels are read once through the
// window's device context and the region is made in one piece from their visible runs.
// An empty region for a bitmap that is not there, the whole rectangle when its pixels cannot
// be read, none when the system cannot make the region. Throws std::bad_alloc.
UniqueRegion RegionFromColorKey(HWND window, HBITMAP bitmap, COLORREF key);
