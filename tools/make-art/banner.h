#pragma once

#include "image.h"

// Pure blue marks the pixels the shaped start banner leaves out.
inline constexpr Rgba kTransparencyKey{0, 0, 255, 255};

inline constexpr int kBannerWidth = 500;
inline constexpr int kBannerHeight = 130;

// The start banner: a disc and the program's name on the transparency key.
Image draw_banner();
