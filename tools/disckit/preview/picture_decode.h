#pragma once

#include <optional>
#include <string_view>

#include "raster.h"

// A BMP or JPEG file's pixels, as the menu's loaders make a bitmap of it; nothing for a file
// they could not read either. PNG files (the preview's own, read back by tests) decode too.
std::optional<Raster> DecodePicture(std::string_view bytes);
