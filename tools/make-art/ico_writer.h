#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

// Encodes square images of up to 256 pixels as one icon file, each as a 32-bit BGRA bitmap with
// an AND mask that hides the pixels of alpha below one half.
std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images);
