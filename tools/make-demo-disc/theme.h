#pragma once

#include "colour.h"

// Colours shared by the pictures and the menu files.
namespace theme {

inline constexpr Rgba kNightTop{22, 36, 84};
inline constexpr Rgba kNightBottom{78, 28, 106};
inline constexpr Rgba kInk{28, 30, 44};
// Backgrounds of the title and description fields.
inline constexpr Rgba kTitleField{255, 243, 208};
inline constexpr Rgba kDescriptionField{252, 252, 255};
// Background of the language dialog.
inline constexpr Rgba kLanguageDialog{28, 40, 84};

}  // namespace theme
