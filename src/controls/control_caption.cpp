#include "controls/control_caption.h"

#include <cstddef>
#include <string>

void DrawCentredCaption(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    std::string caption(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    const int length = GetWindowTextA(window, caption.data(), static_cast<int>(caption.size()));
    DrawTextA(dc, caption.data(), length, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
