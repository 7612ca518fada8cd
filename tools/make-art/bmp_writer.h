#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

// Encodes the image as a 24-bit uncompressed BMP file; alpha is dropped.
std::vector<std::uint8_t> encode_bmp(const Image& image);
