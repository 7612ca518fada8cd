#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A "red;green;blue" value of the configuration files as a GDI colour
// (red + 256 * green + 65536 * blue), each part cut to its low 8 bits.
// Nothing when a part is -1 (keep the default) or when the value lacks its two ";".
std::optional<uint32_t> ReadColour(std::string_view text);
