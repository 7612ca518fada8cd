#include "config/config_grammar.h"

#include <string>

namespace {

using ItemSpans = std::vector<AttributeSpan>;

// The items are found first, so each element allocates its list once.
std::vector<ConfigAttribute> MakeAttributes(std::string_view text, ItemSpans& scratch) {
    scratch.clear();
    ScanAttributes(text, [&](const AttributeSpan& span) { scratch.push_back(span); });
    std::vector<ConfigAttribute> attributes;
    attributes.reserve(scratch.size());
    for (const AttributeSpan& span : scratch) {
        attributes.push_back({std::string(text.substr(span.keyBegin, span.keyLength)),
                              std::string(text.substr(span.valueBegin, span.valueLength))});
    }
    return attributes;
}

ConfigElement MakeElement(std::string_view elementText, ItemSpans& scratch) {
    const size_t space = elementText.find(' ');
    if (space == std::string_view::npos) return ConfigElement(std::string(elementText), {});
    return ConfigElement(std::string(elementText.substr(0, space)),
                         MakeAttributes(elementText.substr(space + 1), scratch));
}

}  // namespace

std::vector<ConfigElement> ParseElements(std::string_view text) {
    size_t count = 0;
    ScanElements(text, [&](const ElementSpan&) { ++count; });
    std::vector<ConfigElement> elements;
    elements.reserve(count);
    ItemSpans scratch;
    ScanElements(text, [&](const ElementSpan& span) {
        elements.push_back(MakeElement(text.substr(span.textBegin, span.textLength), scratch));
    });
    return elements;
}

std::vector<ConfigAttribute> ParseAttributes(std::string_view text) {
    ItemSpans scratch;
    return MakeAttributes(text, scratch);
}
