#pragma once

#include <windows.h>

// The start banner: the bitmap "BANER_INTRO" of the dialog's instance in a borderless window
// cut to its shape (its pure blue pixels are holes), 500 x 130 in the middle of the screen,
// closing by itself after three seconds. It can be dragged; keys do nothing. Start
// parameter 0; the result is 0.
INT_PTR CALLBACK SplashDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the start banner from the instance's "Intro" template, owned by the owner, and
// returns when it has closed.
void ShowSplash(HINSTANCE instance, HWND owner);
