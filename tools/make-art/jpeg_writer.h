#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

// Encodes the image as a baseline JPEG file; alpha is dropped.
std::vector<std::uint8_t> encode_jpeg(const Image& image, int quality);
