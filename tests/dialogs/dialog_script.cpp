#include "dialog_script.h"

#include <string_view>
#include <utility>

namespace {

constexpr UINT kTickMilliseconds = 10;
// About ten seconds of ticks with nothing to do before an open dialog is ended.
constexpr int kIdleTickLimit = 1000;

DialogScript* g_running = nullptr;

BOOL CALLBACK KeepVisibleDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (std::string_view(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

HWND VisibleDialogOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), KeepVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogScript::DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    g_running = this;
    timer_ = SetTimer(nullptr, 0, kTickMilliseconds, Tick);
}

DialogScript::~DialogScript() {
    KillTimer(nullptr, timer_);
    g_running = nullptr;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_running) g_running->RunNext();
}

void DialogScript::RunNext() {
    HWND dialog = VisibleDialogOfThisThread();
    if (dialog && next_ < steps_.size()) {
        idleTicks_ = 0;
        steps_[next_++](dialog);
        return;
    }
    if (++idleTicks_ < kIdleTickLimit) return;
    idleTicks_ = 0;
    if (dialog) {
        abandoned_ = true;
        EndDialog(dialog, kAbandoned);
    }
}
