#pragma once

#include <string>
#include <string_view>

// Names of the starter disc's files as its menu files spell them, relative to the disc folder.
namespace starter_files {

inline constexpr std::string_view kBackground = "Menu\\menumain.jpg";
inline constexpr std::string_view kLanguages = "Menu\\lang.dat";
inline constexpr std::string_view kClose = "Menu\\btn_close.bmp";
inline constexpr std::string_view kMinimize = "Menu\\btn_minimize.bmp";
inline constexpr std::string_view kHelp = "Menu\\btn_help.bmp";
inline constexpr std::string_view kAbout = "Menu\\btn_about.bmp";
inline constexpr std::string_view kCategory = "Menu\\btn_category.bmp";
inline constexpr std::string_view kApplication = "Menu\\btn_application.bmp";
inline constexpr std::string_view kInstall = "Menu\\btn_install.bmp";
inline constexpr std::string_view kRun = "Menu\\btn_run.bmp";
inline constexpr std::string_view kInstruction = "Menu\\btn_instruction.bmp";
inline constexpr std::string_view kWww = "Menu\\btn_www.bmp";
inline constexpr std::string_view kReadmeShot = "Menu\\shot_readme.jpg";
inline constexpr std::string_view kHelpShot = "Menu\\shot_help.jpg";
inline constexpr std::string_view kWebShot = "Menu\\shot_web.jpg";
inline constexpr std::string_view kAutorun = "autorun.inf";
inline constexpr std::string_view kVersion = "version.dat";

// Per language.
std::string menu_description(std::string_view language);
std::string help_text(std::string_view language);
std::string readme(std::string_view language);
std::string language_button(std::string_view language);

}  // namespace starter_files
