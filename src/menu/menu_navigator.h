#pragma once

#include <cstdint>
#include <vector>

#include "menu/menu_model.h"

class MenuView;

// The main menu's commands: switching menus, paging, selecting applications and acting on them.
class MenuNavigator {
public:
    // The menus must outlive the navigator and keep their size.
    MenuNavigator(const std::vector<Menu>& menus, MenuView& view);

    // The whole wParam of a WM_COMMAND.
    void OnCommand(uint32_t command);

    const Menu* CurrentMenu() const { return current_; }
    const Application* SelectedApplication() const { return selected_; }
    int PageIndex() const { return pageIndex_; }
    int PageCount() const { return pageCount_; }

private:
    void SelectMenuOrApplication(uint32_t command);
    void SelectApplication(uint32_t command);
    void TurnPage(bool forward);
    void Select(const Application& application);
    void UpdateSelection();
    void ActOnSelection(uint32_t command);
    // Shows or hides the buttons of one page of a single-template menu.
    void ShowPage(int page, int perPage, bool show);

    const std::vector<Menu>& menus_;
    MenuView& view_;
    const Menu* current_ = nullptr;
    const Application* selected_ = nullptr;
    uint32_t selectedMenuId_ = 0;
    int pageIndex_ = 0;
    int pageCount_ = 0;
};
