#include "dialogs/language_list.h"

#include "config/config_document.h"

std::vector<std::string> LanguageNames(const ConfigDocument& document) {
    std::vector<std::string> names;
    for (const ConfigElement& element : document.Elements()) {
        if (element.Name() == "item" && element.AttributeValue("type") == "button") {
            names.push_back(element.AttributeValue("name"));
        }
    }
    return names;
}
