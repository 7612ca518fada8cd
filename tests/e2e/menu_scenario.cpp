#include "menu_scenario.h"

#include "harness/environment.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"

MenuScenario::MenuScenario() : disc_(e2e::FixturePath("one-language")) {}

void MenuScenario::StartMenu() { menu_.emplace(e2e::StartExePath(), disc_.Path()); }

HWND MenuScenario::WaitForMainWindow() {
    if (!menu_) return nullptr;
    auto isMainWindow = [](HWND window) {
        return IsWindowVisible(window) && e2e::ClassNameOf(window) == kMainWindowClass;
    };
    HWND window = e2e::WaitForWindow(menu_->Id(), isMainWindow, kTimeout);
    Observe();
    return window;
}

HWND MenuScenario::WaitForMessageBox() {
    if (!menu_) return nullptr;
    HWND box = e2e::WaitForMessageBox(menu_->Id(), kTimeout);
    Observe();
    return box;
}

std::optional<DWORD> MenuScenario::WaitForExit() {
    if (!menu_) return std::nullopt;
    std::optional<DWORD> code;
    e2e::WaitUntil(kTimeout, [&] {
        Observe();
        code = menu_->WaitForExit(std::chrono::milliseconds(0));
        return code.has_value();
    });
    return code;
}

void MenuScenario::Observe() {
    for (HWND window : e2e::TopLevelWindows(menu_->Id())) {
        if (e2e::ClassNameOf(window) == kMainWindowClass) sawMainWindow_ = true;
    }
}
