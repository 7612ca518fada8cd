#pragma once

#include <string_view>

#include "image.h"
#include "label.h"

inline constexpr int kScreenWidth = 320;
inline constexpr int kScreenHeight = 240;
// Height of the title bar; the scene fills the rest.
inline constexpr int kTitleBarHeight = 18;

// A screenshot-sized picture of a program window: a title bar over `content`.
Image screen_window(std::string_view title, Rgba bar, Rgba content);
