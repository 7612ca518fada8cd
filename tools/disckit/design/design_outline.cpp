#include "design_outline.h"

#include "menu/menu_model.h"

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
    }
    return outline;
}
