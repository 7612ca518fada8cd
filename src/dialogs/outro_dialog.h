#pragma once

#include <windows.h>

// The closing picture: "Menu\outro.jpg" of the program's folder in a borderless 640 x 480
// window in the middle of the screen, not scaled, black where the picture does not reach,
// closing by itself after four seconds. It can be dragged; Alt+F4 closes it, Escape and
// Enter do nothing. Start parameter 0; the result is 0.
INT_PTR CALLBACK OutroDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the closing picture from the instance's "Intro" template, owned by the owner, and
// returns when it has closed.
void ShowOutro(HINSTANCE instance, HWND owner);
