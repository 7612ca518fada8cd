#pragma once

#include <string>
#include <string_view>

// Names of the disc's files as the menu files spell them, relative to the disc folder.
namespace disc_files {

inline constexpr std::string_view kBackground = "Menu\\menumain.jpg";
inline constexpr std::string_view kClose = "Menu\\btn_close.bmp";
inline constexpr std::string_view kMinimize = "Menu\\btn_minimize.bmp";
inline constexpr std::string_view kHelp = "Menu\\btn_help.bmp";
inline constexpr std::string_view kStar = "Menu\\btn_star.bmp";
inline constexpr std::string_view kStory = "Menu\\btn_story.bmp";
inline constexpr std::string_view kCategory = "Menu\\btn_category.bmp";
inline constexpr std::string_view kApplication = "Menu\\btn_application.bmp";
inline constexpr std::string_view kPage = "Menu\\btn_page.bmp";
inline constexpr std::string_view kInstall = "Menu\\btn_install.bmp";
inline constexpr std::string_view kRun = "Menu\\btn_run.bmp";
inline constexpr std::string_view kInstruction = "Menu\\btn_instruction.bmp";
inline constexpr std::string_view kWww = "Menu\\btn_www.bmp";
inline constexpr std::string_view kBuy = "Menu\\btn_buy.bmp";
inline constexpr std::string_view kEnglishFlag = "Menu\\flag_en.bmp";
inline constexpr std::string_view kPolishFlag = "Menu\\flag_pl.bmp";
inline constexpr std::string_view kAnimatedBanner = "Menu\\banner_anim.jpg";
inline constexpr std::string_view kListBanner = "Menu\\banner_list.jpg";
inline constexpr std::string_view kLinkBanner = "Menu\\banner_www.jpg";
inline constexpr std::string_view kOutro = "Menu\\outro.jpg";

// The audio player.
inline constexpr std::string_view kPlayerConfig = "Menu\\cda.dat";
inline constexpr std::string_view kPlayerBackground = "Menu\\cdabg.bmp";
inline constexpr std::string_view kPlayerClose = "Menu\\cda_close.bmp";
inline constexpr std::string_view kPlayerStart = "Menu\\cda_start.bmp";
inline constexpr std::string_view kPlayerStop = "Menu\\cda_stop.bmp";
inline constexpr std::string_view kChime = "Menu\\chime.wav";

inline constexpr std::string_view kAutorun = "autorun.inf";

// Per application.
std::string screenshot(std::string_view id);
std::string tile(std::string_view id);
// The instruction in one language ("en", "pl").
std::string instruction(std::string_view id, std::string_view language);

}  // namespace disc_files
