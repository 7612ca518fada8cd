#include "config_line.h"

#include <stdexcept>

ConfigLine::ConfigLine(std::string_view tag) : line_("<" + std::string(tag)) {}

ConfigLine& ConfigLine::word(std::string_view key, std::string_view value) {
    if (value.empty() || value.find_first_of(" \"/\r\n") != std::string_view::npos) {
        throw std::invalid_argument("not a configuration word: " + std::string(value));
    }
    line_ += " " + std::string(key) + "=" + std::string(value);
    return *this;
}

ConfigLine& ConfigLine::text(std::string_view key, std::string_view value) {
    if (value.find_first_of("\"\r\n") != std::string_view::npos ||
        value.find("/>") != std::string_view::npos) {
        throw std::invalid_argument("a configuration value cannot hold " + std::string(value));
    }
    line_ += " " + std::string(key) + "=\"" + std::string(value) + "\"";
    return *this;
}

ConfigLine& ConfigLine::number(std::string_view key, int value) {
    line_ += " " + std::string(key) + "=" + std::to_string(value);
    return *this;
}

ConfigLine& ConfigLine::place(const Rect& rect) {
    return number("positionX", rect.x)
        .number("positionY", rect.y)
        .number("width", rect.width)
        .number("height", rect.height);
}

std::string ConfigLine::str() const { return line_ + "/>\n"; }

std::string button_item(std::string_view name, std::string_view caption, std::string_view image,
                        const Rect& place) {
    ConfigLine line("item");
    line.word("type", "button").word("name", name);
    if (!caption.empty()) {
        line.text("text", caption);
    }
    return line.text("image", image).place(place).str();
}

std::string text_field_item(std::string_view name, Rgba background, const Rect& place) {
    return ConfigLine("item")
        .word("type", "text")
        .word("name", name)
        .text("bgcolor", colour_text(background))
        .place(place)
        .str();
}

std::string colour_text(Rgba colour) {
    return std::to_string(colour.r) + ";" + std::to_string(colour.g) + ";" +
           std::to_string(colour.b);
}
