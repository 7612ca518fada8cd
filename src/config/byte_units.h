#pragma once

#include <string>
#include <string_view>

// The byte-wise (.bin) form: one 16-bit little-endian unit per character, the character in
// the low byte and its sign extension (0x00 or 0xFF) in the high byte.
std::string EncodeByteUnits(std::string_view text);

// The characters of a byte-wise form: the low byte of each unit; units with a zero low byte
// add nothing, and an odd last byte is read as one more character.
std::string DecodeByteUnits(std::string_view units);
