#pragma once

#include <array>

#include "rect.h"

// Where everything stands in the 800 x 600 main window; the background is drawn around these
// places and the menu files put the controls on them.
namespace layout {

inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;

// Backdrop areas.
inline constexpr Rect kHeader{0, 0, 800, 60};
inline constexpr Rect kCategoryCard{8, 68, 196, 452};
inline constexpr Rect kApplicationCard{212, 68, 236, 400};
inline constexpr Rect kInfoCard{456, 68, 336, 400};
inline constexpr Rect kActionBar{212, 476, 580, 44};

// Window buttons in the header.
inline constexpr Rect kHelp{614, 14, 32, 32};
inline constexpr Rect kStar{652, 14, 32, 32};
inline constexpr Rect kStory{690, 14, 32, 32};
inline constexpr Rect kMinimize{732, 16, 28, 28};
inline constexpr Rect kClose{764, 16, 28, 28};

// One button per category, down the left card.
inline constexpr std::array kCategories{Rect{16, 76, 180, 40}, Rect{16, 124, 180, 40},
                                        Rect{16, 172, 180, 40}};

// The first slot of a paged application list; the next slots follow one height lower.
inline constexpr Rect kApplicationSlot{220, 76, 220, 40};
inline constexpr int kApplicationsPerPage = 4;
inline constexpr Rect kPrevious{220, 244, 104, 32};
inline constexpr Rect kNext{336, 244, 104, 32};
// The tiles of the category whose every application has a button of its own.
inline constexpr std::array kTiles{Rect{220, 76, 220, 52}, Rect{220, 136, 220, 52},
                                   Rect{220, 196, 220, 52}};

// The selected application.
inline constexpr Rect kTitle{464, 76, 320, 30};
inline constexpr Rect kScreen{464, 112, 320, 240};
inline constexpr Rect kDescription{464, 362, 320, 98};

// Install and run share a place: the menu shows one of them at a time.
inline constexpr Rect kInstall{240, 480, 110, 36};
inline constexpr Rect kInstruction{378, 480, 110, 36};
inline constexpr Rect kWww{516, 480, 110, 36};
inline constexpr Rect kBuy{654, 480, 110, 36};

// Banners.
inline constexpr Rect kListBanner{16, 228, 180, 284};
inline constexpr Rect kLinkBanner{220, 288, 220, 172};
inline constexpr Rect kAnimatedBanner{166, 532, 468, 60};
inline constexpr int kAnimatedFrames = 4;

// The language dialog.
inline constexpr int kLanguageWidth = 400;
inline constexpr int kLanguageHeight = 160;
inline constexpr std::array kLanguageButtons{Rect{30, 56, 160, 48}, Rect{210, 56, 160, 48}};

// The audio player, its own window; the program opens its publisher's page from a fixed area.
inline constexpr int kPlayerWidth = 480;
inline constexpr int kPlayerHeight = 320;
inline constexpr Rect kPlayerHeader{0, 0, 480, 44};
inline constexpr Rect kPlayerClose{444, 8, 28, 28};
inline constexpr Rect kPlayerCard{16, 56, 448, 190};
// Start and stop share a place: the player shows one of them at a time.
inline constexpr Rect kPlayerStart{208, 156, 64, 64};
inline constexpr Rect kPlayerStatus{24, 222, 432, 20};
inline constexpr Rect kPlayerLink{221, 263, 174, 34};

// The closing picture.
inline constexpr int kOutroWidth = 640;
inline constexpr int kOutroHeight = 480;

}  // namespace layout
