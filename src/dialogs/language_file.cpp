#include "dialogs/language_file.h"

#include "config/colour.h"
#include "config/config_document.h"
#include "config/decimal.h"

namespace {

void ReadWindow(const ConfigElement& element, LanguageFile& file) {
    if (const std::optional<uint32_t> colour = ReadColour(element.AttributeValue("bgcolor"))) {
        file.background = colour;
    }
    file.width = ReadDecimal(element.AttributeValue("width"));
    file.height = ReadDecimal(element.AttributeValue("height"));
}

LanguageButton ReadButton(const ConfigElement& element, int id) {
    LanguageButton button;
    button.name = element.AttributeValue("name");
    button.text = element.AttributeValue("text");
    button.image = element.AttributeValue("image");
    button.x = ReadDecimal(element.AttributeValue("positionX"));
    button.y = ReadDecimal(element.AttributeValue("positionY"));
    button.width = ReadDecimal(element.AttributeValue("width"));
    button.height = ReadDecimal(element.AttributeValue("height"));
    button.id = id;
    return button;
}

}  // namespace

LanguageFile ReadLanguageFile(const ConfigDocument& document) {
    LanguageFile file;
    for (const ConfigElement& element : document.Elements()) {
        const std::string tag = element.Name();
        if (tag == "window") {
            ReadWindow(element, file);
        } else if (tag == "item" && element.AttributeValue("type") == "button") {
            const int id = kFirstLanguageButtonId + static_cast<int>(file.buttons.size());
            file.buttons.push_back(ReadButton(element, id));
        }
    }
    return file;
}
