#pragma once

#include <array>

#include "colour.h"
#include "rect.h"

// Where everything stands on the starter disc's 640 x 480 main window.
namespace starter_layout {

inline constexpr int kWindowWidth = 640;
inline constexpr int kWindowHeight = 480;

inline constexpr Rect kHeader{0, 0, 640, 48};
inline constexpr Rect kAbout{494, 8, 32, 32};
inline constexpr Rect kHelp{532, 8, 32, 32};
inline constexpr Rect kMinimize{572, 10, 28, 28};
inline constexpr Rect kClose{604, 10, 28, 28};

inline constexpr Rect kCategoryCard{8, 56, 176, 360};
inline constexpr std::array kCategories{Rect{16, 64, 160, 36}, Rect{16, 106, 160, 36}};

inline constexpr Rect kApplicationCard{192, 56, 200, 360};
inline constexpr Rect kApplicationSlot{200, 64, 184, 36};
inline constexpr int kApplicationsPerPage = 8;

inline constexpr Rect kInfoCard{400, 56, 232, 360};
inline constexpr Rect kTitle{408, 64, 216, 28};
inline constexpr Rect kScreen{408, 100, 216, 162};
inline constexpr Rect kDescription{408, 270, 216, 138};

// Install and run share a place: the menu shows one of them at a time.
inline constexpr Rect kActionBar{192, 424, 440, 48};
inline constexpr Rect kInstall{204, 430, 128, 36};
inline constexpr Rect kInstruction{348, 430, 128, 36};
inline constexpr Rect kWww{492, 430, 128, 36};

// The language dialog: two buttons a row.
inline constexpr int kLanguageWidth = 360;
inline constexpr int kLanguageButtonWidth = 150;
inline constexpr int kLanguageButtonHeight = 40;
inline constexpr int kLanguageMargin = 20;
inline constexpr int kLanguageRow = 52;

inline constexpr Rgba kSkyTop{18, 52, 86};
inline constexpr Rgba kSkyBottom{24, 112, 120};
inline constexpr Rgba kInk{28, 30, 44};
inline constexpr Rgba kTitleField{255, 243, 208};
inline constexpr Rgba kDescriptionField{252, 252, 255};
inline constexpr Rgba kLanguageDialog{18, 52, 86};

}  // namespace starter_layout
