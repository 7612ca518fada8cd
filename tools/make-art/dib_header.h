#pragma once

#include <cstdint>
#include <vector>

// Appends a 40-byte BITMAPINFOHEADER for an uncompressed bitmap; a positive height means
// bottom-up rows.
void append_info_header(std::vector<std::uint8_t>& out, int width, int height, int bits_per_pixel,
                        std::uint32_t image_size, int pixels_per_metre);
