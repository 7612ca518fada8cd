#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rect.h"

// Menu\lang.dat: one button per language, two a row, in the given order.
std::string starter_language_file(const std::vector<std::string>& languages);
// Menu\<language>.dat.
std::string starter_menu_file(std::string_view language);
// autorun.inf: starts start.exe and shows its icon.
std::string starter_autorun();
// version.dat.
std::string starter_version();

// The language dialog's height for `count` languages, and where the n-th button stands.
int language_dialog_height(std::size_t count);
Rect language_button_place(std::size_t index);
