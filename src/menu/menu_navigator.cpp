#include "menu/menu_navigator.h"

#include <algorithm>

#include "menu/menu_ids.h"
#include "menu/menu_view.h"

MenuNavigator::MenuNavigator(const std::vector<Menu>& menus, MenuView& view)
    : menus_(menus), view_(view) {}

void MenuNavigator::OnCommand(uint32_t command) {
    switch (command) {
        case menu_id::kClose:
            view_.Close();
            return;
        case menu_id::kMinimize:
            view_.Minimize();
            return;
        case menu_id::kHelp:
            view_.OpenHelp();
            return;
        case menu_id::kStar:
            view_.OpenInfo();
            return;
        case menu_id::kStory:
            view_.OpenAudioPlayer();
            return;
        case menu_id::kInstall:
        case menu_id::kRun:
        case menu_id::kInstruction:
        case menu_id::kWww:
        case menu_id::kBuy:
            ActOnSelection(command);
            return;
        case menu_id::kNext:
        case menu_id::kPrev:
            TurnPage(command == menu_id::kNext);
            return;
        default:
            if (command >= menu_id::kFirstMenu) SelectMenuOrApplication(command);
            return;
    }
}

void MenuNavigator::SelectMenuOrApplication(uint32_t command) {
    if (command == selectedMenuId_) return;

    const Menu* newMenu = nullptr;
    const Menu* oldMenu = nullptr;
    for (const Menu& menu : menus_) {
        const auto id = static_cast<uint32_t>(menu.id);
        if (id == command) newMenu = &menu;
        if (id == selectedMenuId_) oldMenu = &menu;
        if (newMenu && oldMenu) break;
    }
    if (!newMenu) {
        SelectApplication(command);
        return;
    }
    current_ = newMenu;

    if (oldMenu) {
        for (const Application& application : oldMenu->applications) {
            view_.HideButton(application.id);
        }
        view_.HideButton(menu_id::kNext);
        view_.HideButton(menu_id::kPrev);
        view_.EnableButton(oldMenu->id);
    }

    const auto& applications = newMenu->applications;
    const size_t n = applications.size();
    pageCount_ = static_cast<int>(newMenu->templates.size());
    pageIndex_ = 0;
    size_t limit = n;
    size_t shown = n;
    if (newMenu->templates.size() == 1) {
        limit = static_cast<size_t>(PageSize(newMenu->templates.front(), n));
        if (n > limit) {
            pageCount_ = static_cast<int>((n + limit - 1) / limit);
            shown = limit;
        }
    }
    for (size_t i = 0; i < shown; ++i) view_.ShowButton(applications[i].id);
    if (n > limit) {
        view_.ShowButton(menu_id::kNext);
        view_.ShowButton(menu_id::kPrev);
    } else {
        view_.HideButton(menu_id::kNext);
        view_.HideButton(menu_id::kPrev);
    }
    // Unlike a click on an application, a menu's selection always puts its first one on screen
    // again: its screenshot may have changed on the disc meanwhile.
    if (n > 0) {
        selected_ = &applications.front();
        UpdateSelection();
    }
    view_.DisableButton(newMenu->id);
    selectedMenuId_ = command;
    view_.InvalidateBanners();
}

void MenuNavigator::SelectApplication(uint32_t command) {
    if (!current_) return;
    const auto& applications = current_->applications;
    size_t first = 0;
    size_t end = applications.size();
    if (current_->templates.size() == 1) {
        const auto perPage = static_cast<size_t>(PageSize(current_->templates.front(), end));
        first = static_cast<size_t>(pageIndex_) * perPage;
        end = std::min(end, first + perPage);
    }
    for (size_t i = first; i < end; ++i) {
        if (static_cast<uint32_t>(applications[i].id) == command) {
            Select(applications[i]);
            return;
        }
    }
}

void MenuNavigator::TurnPage(bool forward) {
    int oldPage = (pageIndex_ >= 0 && pageIndex_ < pageCount_) ? pageIndex_ : 0;
    if (forward) {
        pageIndex_ = std::max(0, std::min(pageIndex_ + 1, pageCount_ - 1));
    } else if (--pageIndex_ < 0) {
        pageIndex_ = 0;
        oldPage = 0;
    }

    if (!current_ || current_->templates.empty()) return;
    const auto& applications = current_->applications;
    const MenuItemTemplate& first = current_->templates.front();
    const int perPage =
        current_->templates.size() == 1 ? PageSize(first, applications.size()) : first.maxItems;
    ShowPage(oldPage, perPage, false);
    ShowPage(pageIndex_, perPage, true);

    const long long top = static_cast<long long>(pageIndex_) * perPage;
    if (top >= 0 && top < static_cast<long long>(applications.size())) {
        Select(applications[static_cast<size_t>(top)]);
    }
}

void MenuNavigator::ShowPage(int page, int perPage, bool show) {
    const auto& applications = current_->applications;
    for (int i = 0; i < perPage; ++i) {
        const long long index = static_cast<long long>(page) * perPage + i;
        if (index >= static_cast<long long>(applications.size())) break;
        const int id = applications[static_cast<size_t>(index)].id;
        show ? view_.ShowButton(id) : view_.HideButton(id);
    }
}

// A new application is put on screen; choosing the one already shown changes nothing.
void MenuNavigator::Select(const Application& application) {
    if (selected_ && selected_->id == application.id) return;
    selected_ = &application;
    UpdateSelection();
}

void MenuNavigator::UpdateSelection() {
    if (!selected_) return;
    const Application& application = *selected_;
    view_.ShowApplication(application);

    if (application.exec.empty()) {
        view_.HideButton(menu_id::kInstall);
        view_.HideButton(menu_id::kRun);
    } else if (application.execOpen.empty() || application.execOpen == "install") {
        view_.ShowButton(menu_id::kInstall);
        view_.HideButton(menu_id::kRun);
    } else if (application.execOpen == "open") {
        view_.HideButton(menu_id::kInstall);
        view_.ShowButton(menu_id::kRun);
    }

    const std::pair<int, const std::string*> documents[] = {
        {menu_id::kInstruction, &application.instruction},
        {menu_id::kWww, &application.www},
        {menu_id::kBuy, &application.buy},
    };
    for (const auto& [id, target] : documents) {
        target->empty() ? view_.HideButton(id) : view_.ShowButton(id);
    }
}

void MenuNavigator::ActOnSelection(uint32_t command) {
    if (!selected_) return;
    const Application& application = *selected_;
    if (command == menu_id::kInstall || command == menu_id::kRun) {
        if (application.exec.empty()) {
            view_.ReportMissingInstaller(application.title);
        } else if (command == menu_id::kInstall) {
            view_.RunProgram(application.exec);
        } else {
            view_.OpenDocument(application.exec);
        }
        return;
    }
    const std::string& target = command == menu_id::kInstruction ? application.instruction
                                : command == menu_id::kWww       ? application.www
                                                                 : application.buy;
    // Their buttons are hidden when empty; an empty target would open the current folder.
    if (!target.empty()) view_.OpenDocument(target);
}
