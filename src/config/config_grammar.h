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

// Calls onElement(ElementSpan) for every complete element in order; returns the "<" of an
// element still open at the end of the text, or npos.
template <typename OnElement>
size_t ScanElements(std::string_view text, OnElement&& onElement) {
    bool inElement = false;
    ElementSpan span;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inElement) {
            if (c == '<') {
                inElement = true;
                span.open = i;
                span.textBegin = i + 1;
            }
        } else if (c == '>' && text[i - 1] == '/') {
            // Only "/>" closes; the "/" belongs to the element text and is cut off.
            span.textLength = i - 1 - span.textBegin;
            onElement(span);
            inElement = false;
        }
    }
    return inElement ? span.open : std::string_view::npos;
}

// Calls onItem(AttributeSpan) for every key=value item of an attribute text in order.
template <typename OnItem>
AttributeRest ScanAttributes(std::string_view text, OnItem&& onItem) {
    enum class Mode { Key, Value, Unquoted, Quoted };
    Mode mode = Mode::Key;
    AttributeSpan span;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        bool complete = false;
        switch (mode) {
            case Mode::Key:
                if (c == '=') {
                    span.keyLength = i - span.keyBegin;
                    mode = Mode::Value;
                }
                break;
            case Mode::Value:
                if (c == '"') {
                    span.quoted = true;
                    span.valueBegin = i + 1;
                    mode = Mode::Quoted;
                    break;
                }
                span.valueBegin = i;
                mode = Mode::Unquoted;
                [[fallthrough]];
            case Mode::Unquoted:
                if (c == ' ') {
                    span.valueLength = i - span.valueBegin;
                    complete = true;
                } else if (i + 1 == text.size()) {
                    span.valueLength = i + 1 - span.valueBegin;
                    complete = true;
                }
                break;
            case Mode::Quoted:
                if (c == '"') {
                    span.valueLength = i - span.valueBegin;
                    complete = true;
                }
                break;
        }
        if (complete) {
            onItem(span);
            // One separating space after an item is skipped; any further one starts the next key.
            if (i + 1 < text.size() && text[i + 1] == ' ') ++i;
            span = AttributeSpan{};
            span.keyBegin = i + 1;
            mode = Mode::Key;
        }
    }
    switch (mode) {
        case Mode::Key:
            if (span.keyBegin < text.size()) return {AttributeRest::Kind::kKey, span.keyBegin};
            return {};
        case Mode::Value:
            return {AttributeRest::Kind::kEmptyValue, span.keyBegin};
        case Mode::Quoted:
            return {AttributeRest::Kind::kOpenQuote, span.keyBegin};
        case Mode::Unquoted:
            break;
    }
    return {};
}

// Every complete element of the text, in order; an element left open at the end is dropped.
std::vector<ConfigElement> ParseElements(std::string_view text);

// The key=value items of an element's attribute text (everything after its first space).
std::vector<ConfigAttribute> ParseAttributes(std::string_view text);
