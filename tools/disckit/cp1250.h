#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1250 bytes, as configuration files hold them, as UTF-8. Bytes the code page leaves
// undefined become the control characters of the same value, as Windows maps them.
std::string Cp1250ToUtf8(std::string_view text);

// The code point of one Windows-1250 byte.
char32_t Cp1250CodePoint(unsigned char byte);

// UTF-8 text as Windows-1250 bytes; nothing when it is not UTF-8 or holds a character the
// code page lacks.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);
