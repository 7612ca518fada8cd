#include "audio/start_button.h"

#include "audio/player_config.h"

void EnableStartButton(HWND dialog, bool enabled) {
    HWND start = GetDlgItem(dialog, player_id::kStart);
    // A null window would repaint every window of the desktop.
    if (!start || (IsWindowEnabled(start) != FALSE) == enabled) return;
    EnableWindow(start, enabled);
    InvalidateRect(start, nullptr, FALSE);
}
