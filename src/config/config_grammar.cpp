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
    ScanElements(text, [&](const ElementSpan& span) {
        elements.push_back(MakeElement(text.substr(span.textBegin, span.textLength)));
    });
    return elements;
}

std::vector<ConfigAttribute> ParseAttributes(std::string_view text) {
    std::vector<ConfigAttribute> items;
    ScanAttributes(text, [&](const AttributeSpan& span) {
        items.push_back({std::string(text.substr(span.keyBegin, span.keyLength)),
                         std::string(text.substr(span.valueBegin, span.valueLength))});
    });
    return items;
}
