#include "config_source.h"

#include <algorithm>

namespace {

std::string DisplayName(const FileRef& ref, std::string_view configName) {
    if (!ref.onDisc.empty()) return ref.onDisc;
    std::string name(configName);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

}  // namespace

std::optional<ConfigSource> ConfigSource::Load(const DiscFiles& disc, std::string_view textName,
                                               std::string_view binaryName) {
    ConfigSource source;
    const FileRef text = disc.Resolve(textName);
    const FileRef binary = disc.Resolve(binaryName);
    if (!text.path.empty() && source.document_.LoadText(text.path.string()) == 0) {
        source.file_ = DisplayName(text, textName);
    } else if (!binary.path.empty() && source.document_.LoadBinary(binary.path.string()) == 0) {
        source.file_ = DisplayName(binary, binaryName);
    } else {
        return std::nullopt;
    }

    const std::string& all = source.document_.Text();
    const size_t open = ScanElements(all, [&](const ElementSpan& span) {
        ElementSource element;
        element.span = span;
        const std::string_view elementText =
            std::string_view(all).substr(span.textBegin, span.textLength);
        const size_t space = elementText.find(' ');
        element.nameLength = space == std::string_view::npos ? elementText.size() : space;
        element.attributesBegin =
            span.textBegin + (space == std::string_view::npos ? elementText.size() : space + 1);
        if (space != std::string_view::npos) {
            const size_t base = element.attributesBegin;
            element.rest = ScanAttributes(elementText.substr(space + 1), [&](AttributeSpan item) {
                item.keyBegin += base;
                item.valueBegin += base;
                element.items.push_back(item);
            });
            element.rest.begin += base;
        }
        source.sources_.push_back(std::move(element));
    });
    if (open != std::string_view::npos) source.unclosed_ = open;

    source.lineStarts_.push_back(0);
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == '\n') source.lineStarts_.push_back(i + 1);
    }
    return source;
}

TextPosition ConfigSource::PositionOf(size_t offset) const {
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const size_t line = static_cast<size_t>(after - lineStarts_.begin());
    return {static_cast<int>(line), static_cast<int>(offset - lineStarts_[line - 1] + 1)};
}

TextPosition ConfigSource::ElementPosition(size_t element) const {
    return PositionOf(sources_[element].span.open);
}

const AttributeSpan* ConfigSource::FirstItem(size_t element, std::string_view key) const {
    for (const AttributeSpan& item : sources_[element].items) {
        if (std::string_view(Text()).substr(item.keyBegin, item.keyLength) == key) return &item;
    }
    return nullptr;
}

TextPosition ConfigSource::KeyPosition(size_t element, std::string_view key) const {
    const AttributeSpan* item = FirstItem(element, key);
    return item ? PositionOf(item->keyBegin) : ElementPosition(element);
}

TextPosition ConfigSource::ValuePosition(size_t element, std::string_view key) const {
    const AttributeSpan* item = FirstItem(element, key);
    return item ? PositionOf(item->valueBegin) : ElementPosition(element);
}
