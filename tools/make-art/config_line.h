#pragma once

#include <string>
#include <string_view>

#include "colour.h"
#include "rect.h"

// One element of a configuration file on one line: `<tag key=value .../>`, items separated by
// single spaces. Words and numbers stand bare, texts are quoted.
class ConfigLine {
public:
    explicit ConfigLine(std::string_view tag);

    // Both throw std::invalid_argument for a value the form cannot hold: a word must be
    // non-empty and without spaces or quotes; a text cannot hold a quote, a line break or "/>".
    ConfigLine& word(std::string_view key, std::string_view value);
    ConfigLine& text(std::string_view key, std::string_view value);
    ConfigLine& number(std::string_view key, int value);
    // positionX, positionY, width and height.
    ConfigLine& place(const Rect& rect);

    // The line, with its line end.
    std::string str() const;

private:
    std::string line_;
};

// An image button: `<item type=button name=... text="caption" image="..." positionX=.../>`, the
// caption left out when it is empty.
std::string button_item(std::string_view name, std::string_view caption, std::string_view image,
                        const Rect& place);

// A text field of the menu: `<item type=text name=... bgcolor="r;g;b" positionX=.../>`.
std::string text_field_item(std::string_view name, Rgba background, const Rect& place);

// "red;green;blue", the colour form of the configuration files.
std::string colour_text(Rgba colour);
