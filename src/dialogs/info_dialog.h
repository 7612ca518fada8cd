#pragma once

#include <windows.h>

// The about box: credits, "OK" and a link to the home page, centred over the owner.
INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the about box from the "IDD_INFO" template over the owner until "OK" or Enter.
void ShowInfoDialog(HINSTANCE instance, HWND owner);
