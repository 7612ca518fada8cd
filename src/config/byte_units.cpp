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
    std::string text;
    text.reserve(units.size() / 2 + 1);
    for (size_t i = 0; i < units.size(); i += 2) {
        if (units[i] != '\0') text += units[i];
    }
    return text;
}
