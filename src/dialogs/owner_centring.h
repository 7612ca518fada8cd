#pragma once

#include <windows.h>

// Moves the dialog, keeping its size, so that it stands centred over its owner window.
// A dialog without an owner stays where it is.
void CentreOnOwner(HWND dialog, bool repaint);
