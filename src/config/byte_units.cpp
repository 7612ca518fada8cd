#include "config/byte_units.h"

std::string EncodeByteUnits(std::string_view text) {
    std::string units;
    units.reserve(text.size() * 2);
    for (const char c : text) {
        units += c;
        units += (static_cast<unsigned char>(c) & 0x80) ? '\xFF' : '\0';
    }
    return units;
}

std::string DecodeByteUnits(std::string_view units) {
    // The low byte of each unit is the character; units with a zero low byte add nothing.
    // An odd last byte is read as one more character.
    std::string text((units.size() + 1) / 2, '\0');
    size_t length = 0;
    for (size_t i = 0; i < units.size(); i += 2) {
        text[length] = units[i];
        length += units[i] != '\0';
    }
    text.resize(length);
    return text;
}
