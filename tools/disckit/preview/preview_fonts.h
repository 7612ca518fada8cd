#pragma once

#include <optional>

#include "menu_preview.h"

// The menu's fonts from Debian's fonts-liberation2 (Liberation Sans has Arial's metrics);
// nothing when they are not installed.
std::optional<PreviewFonts> OpenPreviewFonts();
