#pragma once

#include <map>
#include <string>
#include <vector>

#include "menu/menu_model.h"
#include "menu/menu_view.h"

// The main window's controls as navigation leaves them: which are shown, which disabled, and
// the application whose title, description and screenshot the fields show.
class PreviewView : public MenuView {
public:
    explicit PreviewView(const std::vector<ControlSpec>& controls);

    bool Shown(int id) const;
    bool Enabled(int id) const;
    const Application* ShownApplication() const { return application_; }

    void ShowButton(int id) override { shown_[id] = true; }
    void HideButton(int id) override { shown_[id] = false; }
    void EnableButton(int id) override;
    void DisableButton(int id) override { enabled_[id] = false; }
    void ShowApplication(const Application& application) override { application_ = &application; }
    void InvalidateBanners() override {}

    // Nothing is started or opened: what the menu would do is only told.
    void RunProgram(const std::string& command) override;
    void OpenDocument(const std::string& target) override;
    void ReportMissingInstaller(const std::string& title) override;
    void Minimize() override { action_ = "start.exe would minimize its window"; }
    void Close() override { action_ = "start.exe would close"; }
    void OpenHelp() override { action_ = "start.exe would open its help"; }
    void OpenInfo() override { action_ = "start.exe would show its information dialog"; }
    void OpenAudioPlayer() override { action_ = "start.exe would open its audio player"; }

    // The last thing the menu would have done beyond its own window; Windows-1250.
    const std::string& Action() const { return action_; }

private:
    std::map<int, bool> shown_;
    std::map<int, bool> enabled_;
    const Application* application_ = nullptr;
    std::string action_;
};
