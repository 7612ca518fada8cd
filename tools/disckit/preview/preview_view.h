#pragma once

#include <map>
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

    // Nothing is started or opened in a picture.
    void RunProgram(const std::string&) override {}
    void OpenDocument(const std::string&) override {}
    void ReportMissingInstaller(const std::string&) override {}
    void Minimize() override {}
    void Close() override {}
    void OpenHelp() override {}
    void OpenInfo() override {}
    void OpenAudioPlayer() override {}

private:
    std::map<int, bool> shown_;
    std::map<int, bool> enabled_;
    const Application* application_ = nullptr;
};
