#pragma once

#include <windows.h>

// What the borderless picture dialogs, the start banner and the closing picture, share.

// The program's icon, resource 101 of the dialog's instance, as its large and small icon.
void SetProgramIcon(HWND dialog);
// Puts the dialog on top, at that size in the middle of the screen, and shows it.
void ShowCentredOnScreen(HWND dialog, int width, int height);
// A left press at the client point moves the dialog while the button is held, as a press
// on a caption would.
void DragFrom(HWND dialog, LPARAM clientPoint);

// What tells the two picture dialogs apart; their messages are handled alike.
struct PictureDialogParts {
    UINT_PTR closeTimer;
    void (*initialise)(HWND dialog);
    void (*paint)(HWND dialog, HDC dc);
    void (*close)(HWND dialog);
    // Frees what the dialog holds when it ends some other way than by WM_CLOSE.
    void (*release)(HWND dialog);
};

// The dialog procedure both share: paint (also for WM_PRINTCLIENT), drag, close on the
// timer. Returns FALSE for every message.
INT_PTR HandlePictureDialog(const PictureDialogParts& parts, HWND dialog, UINT message,
                            WPARAM wParam, LPARAM lParam);
