#include "dialogs/owner_centring.h"

#include "app/window_placement.h"

void CentreOnOwner(HWND dialog, bool repaint) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT ownerRect{};
    RECT dialogRect{};
    if (!owner || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(dialog, &dialogRect)) return;
    const int width = dialogRect.right - dialogRect.left;
    const int height = dialogRect.bottom - dialogRect.top;
    const int x = ownerRect.left + CentredOrigin(ownerRect.right - ownerRect.left, width);
    const int y = ownerRect.top + CentredOrigin(ownerRect.bottom - ownerRect.top, height);
    MoveWindow(dialog, x, y, width, height, repaint);
}
