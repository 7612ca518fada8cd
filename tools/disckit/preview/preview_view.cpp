#include "preview_view.h"

PreviewView::PreviewView(const std::vector<ControlSpec>& controls) {
    // The first control of an id is the one GetDlgItem finds.
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
        shown_[control->id] = !control->hidden;
    }
}

bool PreviewView::Shown(int id) const {
    const auto found = shown_.find(id);
    return found != shown_.end() && found->second;
}

bool PreviewView::Enabled(int id) const {
    const auto found = enabled_.find(id);
    return found == enabled_.end() || found->second;
}

void PreviewView::EnableButton(int id) {
    shown_[id] = true;
    enabled_[id] = true;
}

void PreviewView::RunProgram(const std::string& command) {
    action_ = "start.exe would run " + command;
}

void PreviewView::OpenDocument(const std::string& target) {
    action_ = "start.exe would open " + target;
}

void PreviewView::ReportMissingInstaller(const std::string& title) {
    action_ = "start.exe would say that " + title + " has no installer";
}
