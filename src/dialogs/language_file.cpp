#include "dialogs/language_file.h"

#include <algorithm>
#include <limits>

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

std::optional<DialogSize> ShownSize(const LanguageFile& file) {
    if (file.width > 0 && file.height > 0) return DialogSize{file.width, file.height};
    // Wide enough for any sum of two configured numbers.
    long long right = 0;
    long long bottom = 0;
    for (const LanguageButton& button : file.buttons) {
        right = std::max(right, static_cast<long long>(button.x) + button.width);
        bottom = std::max(bottom, static_cast<long long>(button.y) + button.height);
    }
    if (right <= 0 || bottom <= 0) return std::nullopt;
    constexpr long long kLargest = std::numeric_limits<int>::max();
    return DialogSize{static_cast<int>(std::min(right, kLargest)),
                      static_cast<int>(std::min(bottom, kLargest))};
}
