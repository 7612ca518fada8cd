#pragma once

#include <string_view>
#include <vector>

// Command identifiers of the main window's controls.
namespace menu_id {
inline constexpr int kStar = 104;
inline constexpr int kStory = 107;
inline constexpr int kTitleField = 200;
inline constexpr int kDescriptionField = 201;
inline constexpr int kScreenField = 202;
inline constexpr int kClose = 1000;
inline constexpr int kMinimize = 1001;
inline constexpr int kHelp = 1002;
inline constexpr int kInstall = 1003;
inline constexpr int kRun = 1004;
inline constexpr int kInstruction = 1005;
inline constexpr int kWww = 1006;
inline constexpr int kBuy = 1007;
inline constexpr int kNext = 1008;
inline constexpr int kPrev = 1009;

// Menu k has 2000 + 150 * k; its applications follow it, at most 149 of them in every menu
// but the last.
inline constexpr int kFirstMenu = 2000;
inline constexpr int kMenuStride = 150;
inline constexpr int kMaxApplicationsPerMenu = kMenuStride - 1;
}  // namespace menu_id

// The identifier of a fixed button by its "name"; 0 for any other name.
int ButtonIdForName(std::string_view name);
// Every name a fixed button can carry.
std::vector<std::string_view> ButtonNames();
