#include "config/config_grammar.h"

#include <string>

namespace {

ConfigElement MakeElement(std::string_view elementText) {
    const size_t space = elementText.find(' ');
    if (space == std::string_view::npos) return ConfigElement(std::string(elementText), {});
    return ConfigElement(std::string(elementText.substr(0, space)),
                         ParseAttributes(elementText.substr(space + 1)));
}

}  // namespace

std::vector<ConfigElement> ParseElements(std::string_view text) {
    std::vector<ConfigElement> elements;
    bool inElement = false;
    size_t start = 0;  // first byte of the open element's text
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inElement) {
            if (c == '<') {
                inElement = true;
                start = i + 1;
            }
        } else if (c == '>' && text[i - 1] == '/') {
            // Only "/>" closes; the "/" belongs to the element text and is cut off.
            elements.push_back(MakeElement(text.substr(start, i - 1 - start)));
            inElement = false;
        }
    }
    return elements;
}

std::vector<ConfigAttribute> ParseAttributes(std::string_view text) {
    enum class Mode { Key, Value, Unquoted, Quoted };
    std::vector<ConfigAttribute> items;
    std::string key;
    std::string value;
    Mode mode = Mode::Key;

    size_t i = 0;
    auto emit = [&] {
        items.push_back({std::move(key), std::move(value)});
        key.clear();
        value.clear();
        mode = Mode::Key;
        // One separating space after an item is skipped; any further one starts the next key.
        if (i + 1 < text.size() && text[i + 1] == ' ') ++i;
    };

    for (; i < text.size(); ++i) {
        const char c = text[i];
        switch (mode) {
            case Mode::Key:
                if (c == '=') {
                    mode = Mode::Value;
                } else {
                    key += c;
                }
                break;
            case Mode::Value:
                if (c == '"') {
                    mode = Mode::Quoted;
                    break;
                }
                mode = Mode::Unquoted;
                [[fallthrough]];
            case Mode::Unquoted:
                if (c == ' ') {
                    emit();
                } else {
                    value += c;
                    if (i + 1 == text.size()) emit();
                }
                break;
            case Mode::Quoted:
                if (c == '"') {
                    emit();
                } else {
                    value += c;
                }
                break;
        }
    }
    return items;
}
