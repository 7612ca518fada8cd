#pragma once

#include <windows.h>

struct LanguageRequest;

// The borderless dialog of language buttons described by "Menu\lang.dat" (or ".bin").
// Start parameter: the LanguageRequest; ends with 1 once a language is in it, 0 otherwise.
INT_PTR CALLBACK LanguageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the language dialog from the "Intro" template, without owner. 1 when the user chose
// a language (the request holds its name), 0 when not or when the dialog could not be made.
int ChooseLanguage(HINSTANCE instance, LanguageRequest& request);
