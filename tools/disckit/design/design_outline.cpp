#include "design_outline.h"

#include "menu/menu_model.h"

namespace {

// Where the menu shows each element: its menu, and for applications their page and rank.
void AddStates(const ConfigDocument& document, std::vector<OutlineEntry>& outline) {
    for (const Menu& menu : BuildMenuModel(document).menus) {
        const size_t n = menu.applications.size();
        const int perPage = menu.templates.size() == 1 ? PageSize(menu.templates.front(), n) : 0;
        for (const MenuItemTemplate& shape : menu.templates)
            outline[shape.element].menu = menu.name;
        for (size_t i = 0; i < n; ++i) {
            OutlineEntry& entry = outline[menu.applications[i].element];
            entry.menu = menu.name;
            entry.application = static_cast<int>(i) + 1;
            if (perPage > 0) entry.page = static_cast<int>(i) / perPage + 1;
        }
    }
}

}  // namespace

std::vector<OutlineEntry> OutlineOf(const ConfigDocument& document) {
    std::vector<OutlineEntry> outline;
    std::string menu;  // the menu whose group the walk is in
    const auto& elements = document.Elements();
    for (size_t i = 0; i < elements.size(); ++i) {
        const ConfigElement& element = elements[i];
        const std::string& tag = element.Name();
        std::string label = element.AttributeValue("name");
        for (const char* key : {"text", "title"}) {
            if (label.empty()) label = element.AttributeValue(key);
        }
        int level = 0;
        if (MakesMenu(element)) {
            menu = element.AttributeValue("name");
        } else if ((tag == "menuitem" && element.AttributeValue("parent") == menu) ||
                   (tag == "application" && element.AttributeValue("type") == menu)) {
            level = 1;
        } else {
            menu.clear();
        }
        outline.push_back({i, label.empty() ? tag : tag + " " + label, level});
        if (MakesMenu(element)) outline.back().menu = menu;
    }
    AddStates(document, outline);
    return outline;
}
