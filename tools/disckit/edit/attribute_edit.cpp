#include "attribute_edit.h"

#include <algorithm>

#include "config/config_grammar.h"
#include "config/text_file.h"
#include "loaded_text.h"

namespace {

struct ElementItems {
    ElementSpan span;
    bool hasAttributeText = false;
    std::vector<AttributeSpan> items;  // offsets into the text
    AttributeRest rest;
};

std::vector<ElementItems> ScanItems(const std::string& text) {
    std::vector<ElementItems> elements;
    ScanElements(text, [&](const ElementSpan& span) {
        ElementItems element;
        element.span = span;
        const std::string_view body =
            std::string_view(text).substr(span.textBegin, span.textLength);
        const size_t space = body.find(' ');
        if (space != std::string_view::npos) {
            element.hasAttributeText = true;
            const size_t base = span.textBegin + space + 1;
            element.rest = ScanAttributes(body.substr(space + 1), [&](AttributeSpan item) {
                item.keyBegin += base;
                item.valueBegin += base;
                element.items.push_back(item);
            });
        }
        elements.push_back(std::move(element));
    });
    return elements;
}

std::string Refusal(std::string_view key, std::string_view why) {
    return "the value of " + std::string(key) + " " + std::string(why);
}

// Why the file cannot hold the value as the menu reads values; empty when it can.
std::string Unwritable(const AttributeChange& change) {
    if (change.key.empty() || change.key.find_first_of(" =\"/<>\n\r\t") != std::string::npos) {
        return "\"" + change.key + "\" is no key the menu reads";
    }
    if (change.value.find('"') != std::string::npos) {
        return Refusal(change.key,
                       "cannot hold a double quote (\"): the menu ends the value there");
    }
    if (change.value.find("/>") != std::string::npos) {
        return Refusal(change.key, "cannot hold \"/>\": the menu ends the element there");
    }
    for (const char c : change.value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\n' && c != '\t') {
            return Refusal(change.key, "cannot hold control characters");
        }
    }
    return {};
}

bool NeedsQuotes(std::string_view value) {
    return value.empty() || value.find_first_of(" \n\t") != std::string_view::npos;
}

std::string InFile(std::string_view value, bool crlf) {
    std::string written;
    for (const char c : value) {
        if (c == '\n' && crlf) written += '\r';
        written += c;
    }
    return written;
}

std::string_view At(const std::string& text, size_t begin, size_t length) {
    return std::string_view(text).substr(begin, length);
}

EditedFile SetOne(std::string_view file, size_t index, const AttributeChange& change) {
    const LoadedText loaded(file);
    const std::string& text = loaded.Text();
    const std::vector<ElementItems> elements = ScanItems(text);
    if (index >= elements.size()) return {std::nullopt, "the file has no such element"};
    const ElementItems& element = elements[index];
    const bool crlf = loaded.EndsLinesWithCrLf();
    const std::string value = InFile(change.value, crlf);
    const std::string quoted = "\"" + value + "\"";

    const auto item = std::find_if(element.items.begin(), element.items.end(), [&](const auto& i) {
        return At(text, i.keyBegin, i.keyLength) == change.key;
    });
    size_t begin = 0;
    size_t end = 0;
    std::string replacement;
    if (item != element.items.end()) {
        begin = loaded.FileOffset(item->valueBegin);
        end = loaded.FileOffset(item->valueBegin + item->valueLength);
        replacement = item->quoted || !NeedsQuotes(change.value) ? value : quoted;
    } else {
        if (element.rest.kind != AttributeRest::Kind::kNone) {
            return {std::nullopt,
                    "the element's last item is one the menu drops (a key without a value or "
                    "an open quote), and so would be " +
                        change.key + ": mend the file there first"};
        }
        const size_t slash = element.span.textBegin + element.span.textLength;
        begin = end = loaded.FileOffset(slash);
        const std::string added = change.key + "=" + (NeedsQuotes(change.value) ? quoted : value);
        const bool spaceBefore = element.hasAttributeText && text[slash - 1] == ' ';
        replacement = spaceBefore ? added + " " : " " + added;
    }
    std::string edited;
    edited.reserve(file.size() + replacement.size());
    edited.append(file.substr(0, begin)).append(replacement).append(file.substr(end));
    return {std::move(edited), {}};
}

// The items the element should read as after the change.
std::vector<ConfigAttribute> Expected(std::vector<ConfigAttribute> items,
                                      const AttributeChange& change) {
    const auto first = std::find_if(items.begin(), items.end(),
                                    [&](const ConfigAttribute& a) { return a.key == change.key; });
    if (first != items.end()) {
        first->value = change.value;
    } else {
        items.push_back({change.key, change.value});
    }
    return items;
}

std::vector<ConfigElement> Elements(std::string_view file) {
    std::string text(file.substr(0, std::min(file.find(kTextModeEnd), file.size())));
    EndLinesWithLf(text);
    return ParseElements(text);
}

}  // namespace

EditedFile SetAttributes(std::string_view file, size_t element,
                         const std::vector<AttributeChange>& changes) {
    std::string bytes(file);
    std::vector<ConfigElement> elements = Elements(file);
    for (const AttributeChange& change : changes) {
        if (const std::string why = Unwritable(change); !why.empty()) return {std::nullopt, why};
        EditedFile edited = SetOne(bytes, element, change);
        if (!edited.bytes) return edited;
        elements[element].SetAttributes(Expected(elements[element].Attributes(), change));
        if (Elements(*edited.bytes) != elements) {
            return {std::nullopt, "the file, read again, would not give " + change.key +
                                      " as written: nothing was changed"};
        }
        bytes = std::move(*edited.bytes);
    }
    if (bytes.size() > kMaxTextFileSize) {
        return {std::nullopt, "the file would grow past the 16 MB the menu reads"};
    }
    return {std::move(bytes), {}};
}
