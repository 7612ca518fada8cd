#include "controls/image_button.h"

#include "app/handles.h"
#include "controls/button_look.h"
#include "controls/button_manager.h"
#include "controls/control_caption.h"
#include "controls/control_window_proc.h"

namespace {

// A button without a bitmap, or with a strip short of the frame, shows only what the strip
// holds of it, if anything, under the caption.
void DrawFrame(HWND window, HDC dc, ButtonState state) {
    HBITMAP strip =
        ButtonManager::ImageBitmap(ButtonManager::ImageForControl(GetDlgCtrlID(window)));
    BITMAP size{};
    if (!strip || !GetObjectA(strip, sizeof(size), &size)) return;

    RECT client;
    GetClientRect(window, &client);
    const int sourceX = FrameSourceX(client.right, IsWindowEnabled(window) != FALSE, state);
    const FramePart part =
        FramePartInStrip(size.bmWidth, size.bmHeight, sourceX, client.right, client.bottom);
    if (part.Empty()) return;

    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    SelectGuard selectStrip(memory.Get(), strip);
    BitBlt(dc, 0, 0, part.width, part.height, memory.Get(), sourceX, 0, SRCCOPY);
}

void DrawCaption(HWND window, HDC dc) {
    UniqueFont font(CreateFontA(14, 6, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET,
                                OUT_TT_PRECIS, CLIP_CHARACTER_PRECIS, PROOF_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, "Arial"));
    SelectGuard selectFont(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawCentredCaption(window, dc);
}

void PaintImageButton(HWND window, HDC dc, ButtonState state) {
    DrawFrame(window, dc, state);
    DrawCaption(window, dc);
}

}  // namespace

LRESULT CALLBACK ImageButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ControlWindowProc(window, message, wParam, lParam, PaintImageButton);
}
