#pragma once

#include <windows.h>

#include <string>

// The help text of a language in a read-only text box, centred over the owner.
// Start parameter: the address of the language's std::string, or 0 for none.
INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the help dialog from the "Pomoc" template over the owner until it is closed.
void ShowHelpDialog(HINSTANCE instance, HWND owner, const std::string& language);
