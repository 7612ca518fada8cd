#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_document.h"
#include "config/config_grammar.h"
#include "disc_files.h"
#include "finding.h"

// Where one parsed element and its items stand in the document text (offsets into Text()).
struct ElementSource {
    ElementSpan span;
    size_t nameLength = 0;
    size_t attributesBegin = 0;  // first byte after the first space; the text's end without one
    std::vector<AttributeSpan> items;  // offsets into the document text
    AttributeRest rest;                // its begin is an offset into the document text
};

// A configuration file loaded as the menu loads it, with the places of its parts.
class ConfigSource {
public:
    // The text form, or the byte-wise form when the text form cannot be opened. Nothing when
    // neither can be opened.
    static std::optional<ConfigSource> Load(const DiscFiles& disc, std::string_view textName,
                                            std::string_view binaryName);

    const std::string& File() const { return file_; }
    const ConfigDocument& Document() const { return document_; }
    const std::string& Text() const { return document_.Text(); }
    const std::vector<ConfigElement>& Elements() const { return document_.Elements(); }
    const std::vector<ElementSource>& Sources() const { return sources_; }
    // "<" of an element still open at the end of the text, if any.
    std::optional<size_t> UnclosedElement() const { return unclosed_; }

    TextPosition PositionOf(size_t offset) const;
    TextPosition ElementPosition(size_t element) const;
    // The key of the element's first item with that key; the element's place without one.
    TextPosition KeyPosition(size_t element, std::string_view key) const;
    TextPosition ValuePosition(size_t element, std::string_view key) const;

private:
    const AttributeSpan* FirstItem(size_t element, std::string_view key) const;

    std::string file_;
    ConfigDocument document_;
    std::vector<ElementSource> sources_;
    std::optional<size_t> unclosed_;
    std::vector<size_t> lineStarts_;
};
