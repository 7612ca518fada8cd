#pragma once

#include <windows.h>

class ButtonManager;

// The disc's audio player, laid out by "Menu\cda.dat" (or "Menu\cda.bin") over
// "Menu\cdabg.bmp": audio CD tracks in mode "cda", one audio file in mode "mp3".
// Start parameter: the address of the main window's ButtonManager, which makes its buttons.
INT_PTR CALLBACK CdAudioDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the player from the "CDA" template over the owner until it is closed.
void ShowAudioPlayer(HINSTANCE instance, HWND owner, ButtonManager* buttons);
