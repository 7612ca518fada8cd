#include "message_box_watch.h"

#include <string_view>

namespace {

// Twenty seconds: a box that never comes must not hold up the run.
constexpr int kPolls = 2000;
constexpr DWORD kPollMilliseconds = 10;
constexpr int kStaticTextId = 0xFFFF;

BOOL CALLBACK KeepVisibleDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    // Invisible until WM_INITDIALOG has filled in the texts.
    if (std::string_view(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindVisibleDialog(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, KeepVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

MessageBoxWatch::MessageBoxWatch()
    : watcher_([this, thread = GetCurrentThreadId()] { Watch(thread); }) {}

MessageBoxWatch::~MessageBoxWatch() { Finish(); }

bool MessageBoxWatch::Finish() {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    return seen_;
}

void MessageBoxWatch::Watch(DWORD thread) {
    for (int poll = 0; poll < kPolls && !stop_; ++poll) {
        if (HWND box = FindVisibleDialog(thread)) {
            char buffer[512] = {};
            GetWindowTextA(box, buffer, sizeof(buffer));
            caption_ = buffer;
            GetDlgItemTextA(box, kStaticTextId, buffer, sizeof(buffer));
            text_ = buffer;
            seen_ = true;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return;
        }
        Sleep(kPollMilliseconds);
    }
}
