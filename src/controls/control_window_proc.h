#pragma once

#include <windows.h>

#include "controls/button_state.h"

// Draws a control's look for its state into the paint context.
using PaintControl = void (*)(HWND window, HDC dc, ButtonState state);

// The mouse behaviour image buttons and links share. The state word is read before every
// message and written back after it. Hover is polled from the cursor position, also on any
// WM_TIMER the control receives, so it is purely geometric. The release alone decides a click,
// sent to the parent as WM_COMMAND with the control id and the control's window. Every message
// then goes on to DefWindowProc.
LRESULT ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          PaintControl paint);
