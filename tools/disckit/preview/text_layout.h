#pragma once

#include <string>
#include <string_view>

#include "raster.h"
#include "text_face.h"

// The text DrawText shows for it: "&" marks the next character and is not drawn, "&&" is one.
std::string WithoutPrefixes(std::string_view text);

// One line centred across and down the rectangle and clipped to it, as DT_SINGLELINE |
// DT_CENTER | DT_VCENTER draws it. Returns the part of the rectangle its cells cover.
PixelRect DrawCentredLine(Raster& target, const TextFace& face, PixelRect area,
                          std::string_view text, std::uint32_t colour);

// Lines from the top left, broken at line ends and between words where the next word would
// cross the right edge, clipped to the rectangle: a left-aligned static's text. Returns the
// part of the rectangle the lines' cells cover.
PixelRect DrawWrapped(Raster& target, const TextFace& face, PixelRect area, std::string_view text,
                      std::uint32_t colour);
