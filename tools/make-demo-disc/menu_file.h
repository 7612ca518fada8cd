#pragma once

#include <string>

#include "catalogue.h"

// Menu\en.dat or Menu\pl.dat: the whole main menu in one language.
std::string menu_file(Language language);
