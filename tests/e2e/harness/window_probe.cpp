#include "harness/window_probe.h"

#include "harness/polling.h"

namespace e2e {
namespace {

constexpr UINT kControlAnswerTimeoutMs = 2000;

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<ProcessWindows*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->windows.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM state) {
    reinterpret_cast<std::vector<HWND>*>(state)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    ProcessWindows search{processId, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& matches,
                   std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(timeout, [&] {
        for (HWND window : TopLevelWindows(processId)) {
            if (matches(window)) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

std::string ClassNameOf(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? length : 0);
}

std::string TitleOf(HWND window) {
    std::string title(GetWindowTextLengthA(window) + 1, '\0');
    title.resize(GetWindowTextA(window, title.data(), static_cast<int>(title.size())));
    return title;
}

WindowDescription Describe(HWND window) {
    WindowDescription description;
    description.className = ClassNameOf(window);
    description.title = TitleOf(window);
    description.style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    description.exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    GetWindowRect(window, &description.rect);
    description.visible = IsWindowVisible(window) != FALSE;
    description.owner = GetWindow(window, GW_OWNER);
    return description;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND ControlById(HWND parent, int id) { return GetDlgItem(parent, id); }

std::optional<std::string> ControlText(HWND control) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                             kControlAnswerTimeoutMs, &length)) {
        return std::nullopt;
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, text.size(),
                             reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kControlAnswerTimeoutMs, &copied)) {
        return std::nullopt;
    }
    text.resize(copied);
    return text;
}

}  // namespace e2e
