#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "config/config_element.h"

// The element grammar shared by every configuration file: "<" element-text "/>",
// no nesting, no closing tags, nothing outside elements counts.

// Where one element stands in the document text.
struct ElementSpan {
    size_t open = 0;        // the "<"
    size_t textBegin = 0;   // element text: name, first space, attribute text
    size_t textLength = 0;  // up to, not including, the "/" of "/>"
};

// Where one key=value item stands in its attribute text.
struct AttributeSpan {
    size_t keyBegin = 0;
    size_t keyLength = 0;
    size_t valueBegin = 0;
    size_t valueLength = 0;
    bool quoted = false;
};

// What an attribute text leaves behind without making an item.
struct AttributeRest {
    enum class Kind { kNone, kKey, kEmptyValue, kOpenQuote };

    Kind kind = Kind::kNone;
    size_t begin = 0;  // where the dropped key starts
};

// Keys and unquoted values are short: a plain loop beats a library search call for them.
inline size_t FindInItems(std::string_view text, char wanted, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == wanted) return i;
    }
    return std::string_view::npos;
}

// Calls onElement(ElementSpan) for every complete element in order; returns the "<" of an
// element still open at the end of the text, or npos.
template <typename OnElement>
size_t ScanElements(std::string_view text, OnElement&& onElement) {
    size_t open = text.find('<');
    while (open != std::string_view::npos) {
        // Only "/>" closes, nothing nests; the "/" belongs to the element text and is cut off.
        const size_t close = text.find("/>", open + 1);
        if (close == std::string_view::npos) return open;
        onElement(ElementSpan{open, open + 1, close - open - 1});
        open = text.find('<', close + 2);
    }
    return std::string_view::npos;
}

// Calls onItem(AttributeSpan) for every key=value item of an attribute text in order. Each
// item is key "=" value, the value either quoted up to the next quote or unquoted up to the
// next space or the end. An item without "=", or with nothing after it, or with an open quote,
// is dropped together with the rest of the text.
template <typename OnItem>
AttributeRest ScanAttributes(std::string_view text, OnItem&& onItem) {
    size_t i = 0;
    while (i < text.size()) {
        const size_t equals = FindInItems(text, '=', i);
        if (equals == std::string_view::npos) return {AttributeRest::Kind::kKey, i};
        if (equals + 1 == text.size()) return {AttributeRest::Kind::kEmptyValue, i};
        AttributeSpan span;
        span.keyBegin = i;
        span.keyLength = equals - i;
        span.valueBegin = equals + 1;
        size_t end = 0;  // the byte that ends the item
        if (text[span.valueBegin] == '"') {
            span.quoted = true;
            ++span.valueBegin;
            // Quoted values (descriptions) can run long.
            end = text.find('"', span.valueBegin);
            if (end == std::string_view::npos) return {AttributeRest::Kind::kOpenQuote, i};
        } else {
            end = FindInItems(text, ' ', span.valueBegin);
            if (end == std::string_view::npos) end = text.size();
        }
        span.valueLength = end - span.valueBegin;
        onItem(span);
        // One separating space after an item is skipped; any further one starts the next key.
        i = end + 1;
        if (i < text.size() && text[i] == ' ') ++i;
    }
    return {};
}

// Every complete element of the text, in order; an element left open at the end is dropped.
std::vector<ConfigElement> ParseElements(std::string_view text);

// The key=value items of an element's attribute text (everything after its first space).
std::vector<ConfigAttribute> ParseAttributes(std::string_view text);
