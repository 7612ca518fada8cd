#pragma once

#include <optional>
#include <string_view>

#include "raster.h"

// A baseline or progressive JPEG file's pixels as Wine's picture loading decodes them, where
// the tool can do that (on Linux, from the coefficients libjpeg-turbo reads): the colour
// planes of a subsampled picture are enlarged by a scaled inverse DCT, as the IJG libjpeg 9
// inside Wine does, not by interpolation. Nothing for files it leaves to stb_image.
std::optional<Raster> DecodeJpegAsWine(std::string_view bytes);
