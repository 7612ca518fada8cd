#pragma once

#include <vector>

#include "config/config_document.h"
#include "menu/menu_model.h"
#include "menu/menu_navigator.h"
#include "menu_preview.h"
#include "preview_view.h"

// The main window's model with the menu's own navigation over it, as start.exe builds and
// drives them.
class MenuState {
public:
    explicit MenuState(const ConfigDocument& document);
    MenuState(const MenuState&) = delete;
    MenuState& operator=(const MenuState&) = delete;

    // Runs navigation from the menu's start to the state; false when there is no such menu,
    // page or application.
    bool GoTo(const PreviewState& state);

    const MenuModel& Model() const { return model_; }
    MenuNavigator& Navigator() { return navigator_; }
    const MenuNavigator& Navigator() const { return navigator_; }
    const PreviewView& View() const { return view_; }

    // The control at that index of the model's: navigation reaches only the first control of
    // an id, as GetDlgItem does; the others stay as they were made.
    bool Shown(size_t control) const;
    bool Enabled(size_t control) const;

private:
    MenuModel model_;
    PreviewView view_;
    MenuNavigator navigator_;
    std::vector<bool> first_;
};
