#include "controls/link_button.h"

#include <optional>

#include "app/handles.h"
#include "controls/button_look.h"
#include "controls/control_caption.h"
#include "controls/control_window_proc.h"

namespace {

struct SharedLinks {
    HINSTANCE instance = nullptr;
    std::vector<int> ids;
};

// Never destroyed, so a static LinkButton may still clear it from its destructor.
SharedLinks& Shared() {
    static auto* shared = new SharedLinks;
    return *shared;
}

// Without a parent font the context's default font draws the caption.
void PaintLink(HWND window, HDC dc, ButtonState state) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(GetParent(window), WM_GETFONT, 0, 0));
    std::optional<SelectGuard> selectFont;
    if (font) selectFont.emplace(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, LinkColour(state));
    DrawCentredCaption(window, dc);
}

LRESULT CALLBACK LinkButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ControlWindowProc(window, message, wParam, lParam, PaintLink);
}

}  // namespace

LinkButton::~LinkButton() {
    UnregisterClassA(kLinkClassName, Shared().instance);
    Shared().ids.clear();
    Shared().instance = nullptr;
}

void LinkButton::RegisterLinkClass(HINSTANCE instance) {
    Shared().instance = instance;
    WNDCLASSEXA linkClass{};
    linkClass.cbSize = sizeof(linkClass);
    linkClass.lpfnWndProc = LinkButtonProc;
    linkClass.hInstance = instance;
    linkClass.hCursor = LoadCursorA(nullptr, IDC_HAND);
    linkClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    linkClass.lpszClassName = kLinkClassName;
    RegisterClassExA(&linkClass);
}

bool LinkButton::CreateLink(const std::string& caption, int x, int y, int width, int height,
                            HWND parent, int controlId) {
    HWND link = CreateWindowExA(
        0, kLinkClassName, caption.c_str(), WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), Shared().instance, nullptr);
    if (!link) return false;
    Shared().ids.push_back(controlId);
    return true;
}

const std::vector<int>& LinkButton::LinkIds() { return Shared().ids; }
