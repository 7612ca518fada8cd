#pragma once

#include <optional>

#include "dialogs/language_file.h"
#include "picture_cache.h"
#include "raster.h"
#include "text_face.h"

// The language dialog as it paints: its background brush inside a one-pixel black outline,
// then its language buttons in their normal frames. Nothing when the dialog has no area.
std::optional<Raster> RenderLanguageDialog(const LanguageFile& file, Pictures& pictures,
                                           const TextFace& caption);
