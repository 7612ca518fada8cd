#include "config/config_grammar.h"

#include <string>
#include <utility>

namespace {

using ItemViews = std::vector<std::pair<std::string_view, std::string_view>>;

// Items are short: a plain loop beats a library search call per key and value.
size_t FindShort(std::string_view text, char wanted, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == wanted) return i;
    }
    return std::string_view::npos;
}

// Each item is key "=" value, the value either quoted up to the next quote or unquoted up to
// the next space or the end. An item without "=", or with nothing after it, or with an open
// quote, is dropped together with the rest of the text.
void FindItems(std::string_view text, ItemViews& items) {
    items.clear();
    size_t i = 0;
    while (i < text.size()) {
        const size_t equals = FindShort(text, '=', i);
        if (equals == std::string_view::npos || equals + 1 == text.size()) break;
        const std::string_view key = text.substr(i, equals - i);
        size_t valueStart = equals + 1;
        size_t end = 0;  // the byte that ends the item
        if (text[valueStart] == '"') {
            ++valueStart;
            end = FindShort(text, '"', valueStart);
            if (end == std::string_view::npos) break;
        } else {
            end = FindShort(text, ' ', valueStart);
            if (end == std::string_view::npos) end = text.size();
        }
        items.emplace_back(key, text.substr(valueStart, end - valueStart));
        // One separating space after an item is skipped; any further one starts the next key.
        i = end + 1;
        if (i < text.size() && text[i] == ' ') ++i;
    }
}

// The items are found first, so each element allocates its list once.
std::vector<ConfigAttribute> MakeAttributes(std::string_view text, ItemViews& scratch) {
    FindItems(text, scratch);
    std::vector<ConfigAttribute> attributes;
    attributes.reserve(scratch.size());
    for (const auto& [key, value] : scratch) {
        attributes.push_back({std::string(key), std::string(value)});
    }
    return attributes;
}

ConfigElement MakeElement(std::string_view elementText, ItemViews& scratch) {
    const size_t space = elementText.find(' ');
    if (space == std::string_view::npos) return ConfigElement(std::string(elementText), {});
    return ConfigElement(std::string(elementText.substr(0, space)),
                         MakeAttributes(elementText.substr(space + 1), scratch));
}

}  // namespace

std::vector<ConfigElement> ParseElements(std::string_view text) {
    std::vector<ConfigElement> elements;
    ItemViews scratch;
    size_t open = text.find('<');
    while (open != std::string_view::npos) {
        // Only "/>" closes, nothing nests; the "/" belongs to the element text and is cut off.
        const size_t close = text.find("/>", open + 1);
        if (close == std::string_view::npos) break;
        elements.push_back(MakeElement(text.substr(open + 1, close - open - 1), scratch));
        open = text.find('<', close + 2);
    }
    return elements;
}

std::vector<ConfigAttribute> ParseAttributes(std::string_view text) {
    ItemViews scratch;
    return MakeAttributes(text, scratch);
}
