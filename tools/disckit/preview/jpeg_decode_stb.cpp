#include "jpeg_decode.h"

// On Windows stb_image decodes JPEGs as it does the other pictures.
std::optional<Raster> DecodeJpegAsWine(std::string_view) { return std::nullopt; }
