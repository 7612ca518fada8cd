#pragma once

#include <cstdint>
#include <vector>

// Appends integers in the byte order of Windows file headers.
inline void append_u8(std::vector<std::uint8_t>& out, std::uint8_t value) { out.push_back(value); }

inline void append_u16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void append_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    append_u16(out, static_cast<std::uint16_t>(value));
    append_u16(out, static_cast<std::uint16_t>(value >> 16));
}
