#pragma once

#include <cstdint>
#include <string>

#include "picture_cache.h"
#include "raster.h"
#include "text_face.h"

// Texts of the menu's windows are black.
inline constexpr std::uint32_t kTextColour = 0x000000;

// An image button as it paints itself: the frame of its strip for its state, then its
// caption centred over it. Returns the caption's box.
PixelRect DrawImageButton(Raster& target, PixelRect area, const std::string& image,
                          const std::string& caption, bool enabled, bool hover, Pictures& pictures,
                          const TextFace& face);
