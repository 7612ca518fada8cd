#include "harness/message_box.h"

#include <algorithm>

#include "harness/input.h"
#include "harness/polling.h"
#include "app/handles.h"
#include "harness/window_probe.h"

namespace e2e {
namespace {

// The program's own dialogs are of the same class; only a message box has the text static.
bool IsMessageBox(HWND window) {
    return IsWindowVisible(window) && ClassNameOf(window) == kDialogClass &&
           ControlById(window, kMessageTextId) != nullptr;
}

bool IsTextStatic(HWND control) {
    const DWORD type = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & SS_TYPEMASK;
    return ClassNameOf(control) == "Static" && type != SS_ICON && type != SS_BITMAP;
}

DWORD WINAPI ShowUntitledBox(void*) {
    MessageBoxA(nullptr, "", nullptr, MB_OK);
    return 0;
}

constexpr std::chrono::milliseconds kRaiseTimeout{5000};

bool UnderItsCentre(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    const POINT centre{rect.left + (rect.right - rect.left) / 2,
                       rect.top + (rect.bottom - rect.top) / 2};
    return WindowFromPoint(centre) == window;
}

bool WaitForClosing(HWND box, std::chrono::milliseconds timeout) {
    return WaitUntil(timeout, [box] { return !IsWindow(box); });
}

}  // namespace

HWND WaitForMessageBox(DWORD processId, std::chrono::milliseconds timeout) {
    return WaitForWindow(processId, IsMessageBox, timeout);
}

std::optional<std::string> MessageBoxText(HWND box) {
    if (HWND text = ControlById(box, kMessageTextId)) return ControlText(text);
    for (HWND child : ChildWindows(box)) {
        if (!IsTextStatic(child)) continue;
        std::optional<std::string> text = ControlText(child);
        if (text && !text->empty()) return text;
    }
    return std::nullopt;
}

std::ostream& operator<<(std::ostream& out, AnswerMethod method) {
    return out << (method == AnswerMethod::kClick ? "click" : "BM_CLICK");
}

std::optional<std::string> DefaultMessageBoxCaption(std::chrono::milliseconds timeout) {
    DWORD threadId = 0;
    UniqueKernelHandle thread(CreateThread(nullptr, 0, ShowUntitledBox, nullptr, 0, &threadId));
    if (!thread) return std::nullopt;

    auto isOurBox = [threadId](HWND window) {
        return IsMessageBox(window) && GetWindowThreadProcessId(window, nullptr) == threadId;
    };
    std::optional<std::string> caption;
    if (HWND box = WaitForWindow(GetCurrentProcessId(), isOurBox, timeout)) {
        caption = TitleOf(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    } else {
        PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    }
    // A thread that does not end in time is left behind; it holds nothing of the caller's.
    WaitForSingleObject(thread.Get(), static_cast<DWORD>(timeout.count()));
    return caption;
}

std::optional<AnswerMethod> AnswerMessageBox(HWND box, int buttonId,
                                             std::chrono::milliseconds timeout) {
    HWND button = ControlById(box, buttonId);
    if (!button) return std::nullopt;
    // A box can be visible before it is raised and in its place; a click then lands on the
    // window under it. The wait is bounded: the button message below still answers.
    WaitUntil(std::min(timeout, kRaiseTimeout), [button] { return UnderItsCentre(button); });
    if (ClickCentre(button) && WaitForClosing(box, timeout)) return AnswerMethod::kClick;
    PostMessageA(button, BM_CLICK, 0, 0);
    if (WaitForClosing(box, timeout)) return AnswerMethod::kButtonMessage;
    return std::nullopt;
}

}  // namespace e2e
