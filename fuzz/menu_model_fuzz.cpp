// The main menu's model built from a "Menu\<language>.dat", and the navigator driven over it:
// a single-template menu shows exactly the buttons of its current page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/config_document.h"
#include "menu/menu_ids.h"
#include "menu/menu_model.h"
#include "menu/menu_navigator.h"
#include "menu/menu_view.h"

namespace {

class VisibleButtons : public MenuView {
public:
    // A sorted vector: a set would allocate a node for every button shown.
    void ShowButton(int id) override {
        const auto at = std::lower_bound(visible.begin(), visible.end(), id);
        if (at == visible.end() || *at != id) visible.insert(at, id);
    }
    void HideButton(int id) override {
        const auto at = std::lower_bound(visible.begin(), visible.end(), id);
        if (at != visible.end() && *at == id) visible.erase(at);
    }
    bool Visible(int id) const { return std::binary_search(visible.begin(), visible.end(), id); }
    void EnableButton(int) override {}
    void DisableButton(int) override {}
    void ShowApplication(const Application&) override {}
    void InvalidateBanners() override {}
    void RunProgram(const std::string&) override {}
    void OpenDocument(const std::string&) override {}
    void ReportMissingInstaller(const std::string&) override {}
    void Minimize() override {}
    void Close() override {}
    void OpenHelp() override {}
    void OpenInfo() override {}
    void OpenAudioPlayer() override {}

    std::vector<int> visible;
};

void CheckPage(const MenuNavigator& navigator, const VisibleButtons& view) {
    const Menu* menu = navigator.CurrentMenu();
    if (!menu || menu->templates.size() != 1) return;
    const size_t n = menu->applications.size();
    const auto perPage = static_cast<size_t>(PageSize(menu->templates.front(), n));
    const size_t first = static_cast<size_t>(navigator.PageIndex()) * perPage;
    for (size_t i = 0; i < n; ++i) {
        const bool onPage = i >= first && i < first + perPage;
        if (onPage != view.Visible(menu->applications[i].id)) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    document.ParseText(std::string(reinterpret_cast<const char*>(data), size));
    const MenuModel model = BuildMenuModel(document);
    for (const Menu& menu : model.menus) {
        for (size_t i = 0; i < menu.applications.size(); ++i) {
            if (menu.applications[i].id != menu.id + 1 + static_cast<int>(i)) __builtin_trap();
        }
    }

    VisibleButtons view;
    MenuNavigator navigator(model.menus, view);
    const size_t menus = std::min<size_t>(model.menus.size(), 8);
    for (size_t m = 0; m < menus; ++m) {
        const Menu& menu = model.menus[m];
        navigator.OnCommand(static_cast<uint32_t>(menu.id));
        CheckPage(navigator, view);
        for (int turn = 0; turn <= navigator.PageCount(); ++turn) {
            navigator.OnCommand(menu_id::kNext);
            CheckPage(navigator, view);
        }
        for (const Application& application : menu.applications) {
            navigator.OnCommand(static_cast<uint32_t>(application.id));
        }
        navigator.OnCommand(menu_id::kPrev);
        navigator.OnCommand(menu_id::kPrev);
        CheckPage(navigator, view);
        for (uint32_t command : {menu_id::kInstall, menu_id::kRun, menu_id::kWww}) {
            navigator.OnCommand(command);
        }
    }
    return 0;
}
