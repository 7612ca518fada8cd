#pragma once

#include <string_view>

#include "config/config_document.h"

// A document loaded, as the program loads it, from a .dat file holding the text.
ConfigDocument DocumentFromText(std::string_view text);
