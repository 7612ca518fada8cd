#pragma once

#include <string>

struct Application;

// What navigation asks of the main window. The Win32 window implements it; tests record it.
class MenuView {
public:
    virtual ~MenuView() = default;

    virtual void ShowButton(int id) = 0;
    virtual void HideButton(int id) = 0;
    // Shown again in its normal look.
    virtual void EnableButton(int id) = 0;
    // The disabled look marks the selected menu.
    virtual void DisableButton(int id) = 0;
    // Title, description and screenshot of the selected application.
    virtual void ShowApplication(const Application& application) = 0;
    // Banners are drawn by the current menu's view mode.
    virtual void InvalidateBanners() = 0;

    virtual void RunProgram(const std::string& commandLine) = 0;
    virtual void OpenDocument(const std::string& target) = 0;
    virtual void ReportMissingInstaller(const std::string& title) = 0;

    virtual void Minimize() = 0;
    virtual void Close() = 0;
    virtual void OpenHelp() = 0;
    virtual void OpenInfo() = 0;
    virtual void OpenAudioPlayer() = 0;
};
