#pragma once

#include <windows.h>

// Window procedure of the "PRZYCISK" class: a push button drawn from the three-frame strip
// that the ButtonManager bound to its control id, with its caption in bold Arial over it.
LRESULT CALLBACK ImageButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
