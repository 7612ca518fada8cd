#pragma once

#include <string>
#include <vector>

#include "raster.h"
#include "text_face.h"

struct SheetTile {
    std::string label;  // Windows-1250, as the description's names are
    Raster picture;
};

// The tiles at half size, three to a row, each under its label.
Raster ComposeSheet(const std::vector<SheetTile>& tiles, const TextFace& label);
