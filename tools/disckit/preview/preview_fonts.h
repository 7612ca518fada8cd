#pragma once

#include <optional>

#include "menu_preview.h"

// The fonts the menu asks for; nothing when they cannot be had (on Linux: without Debian's
// fonts-liberation2).
std::optional<PreviewFonts> OpenPreviewFonts();
