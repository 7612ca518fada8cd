#pragma once

#include <string>

#include "catalogue.h"

// pomoc_en.txt or pomoc_pl.txt: how to use the menu.
std::string help_file(Language language);
