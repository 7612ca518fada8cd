#pragma once

#include <windows.h>

#include <string>

#include "app/app_window.h"
#include "controls/button_manager.h"

class ConfigDocument;

// The program's main window: the menu of the chosen language.
class MenuWindow : public AppWindow {
public:
    MenuWindow() { buttons_.RegisterButtonClass(GetModuleHandleA(nullptr)); }
    ~MenuWindow() override { buttons_.ReleaseImages(); }

    ButtonManager* GetButtonManager() { return &buttons_; }
    void SetLanguage(const std::string& language) { language_ = language; }
    // The document stays owned by the caller and must outlive the window's message loop.
    void SetDocument(const ConfigDocument& document) { document_ = &document; }

    void OnCreate() override {}
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void RunMessageLoop() override;
    void OnPaint() override;
    void OnCommand(WPARAM) override {}

private:
    ButtonManager buttons_;
    std::string language_;
    const ConfigDocument* document_ = nullptr;
};
