#include "menu_state.h"

#include <algorithm>
#include <set>

#include "menu/menu_ids.h"

MenuState::MenuState(const ConfigDocument& document)
    : model_(BuildMenuModel(document)), view_(model_.controls), navigator_(model_.menus, view_) {
    std::set<int> seen;
    for (const ControlSpec& control : model_.controls) {
        first_.push_back(seen.insert(control.id).second);
    }
}

bool MenuState::GoTo(const PreviewState& state) {
    const std::vector<Menu>& menus = model_.menus;
    if (menus.empty()) return state.menu.empty() && state.page == 1 && !state.application;
    navigator_.OnCommand(static_cast<uint32_t>(menus.front().id));
    if (!state.menu.empty()) {
        const auto named = std::find_if(menus.begin(), menus.end(),
                                        [&](const Menu& menu) { return menu.name == state.menu; });
        if (named == menus.end()) return false;
        navigator_.OnCommand(static_cast<uint32_t>(named->id));
    }
    if (state.page < 1 || state.page > std::max(navigator_.PageCount(), 1)) return false;
    // Later pages are reached only through a "next" button on screen.
    if (state.page > 1 && !view_.Shown(menu_id::kNext)) return false;
    for (int page = 1; page < state.page; ++page) navigator_.OnCommand(menu_id::kNext);
    if (!state.application) return true;
    const Menu* current = navigator_.CurrentMenu();
    const size_t index = static_cast<size_t>(*state.application - 1);
    if (!current || *state.application < 1 || index >= current->applications.size()) {
        return false;
    }
    navigator_.OnCommand(static_cast<uint32_t>(current->applications[index].id));
    return true;
}

bool MenuState::Shown(size_t control) const {
    const ControlSpec& made = model_.controls[control];
    return first_[control] ? view_.Shown(made.id) : !made.hidden;
}

bool MenuState::Enabled(size_t control) const {
    return !first_[control] || view_.Enabled(model_.controls[control].id);
}
