#pragma once

#include <string>
#include <string_view>

#include "colour.h"
#include "layout.h"

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

// "red;green;blue", the colour form of the configuration files.
std::string colour_text(Rgba colour);
