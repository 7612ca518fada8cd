#pragma once

#include <string>

// Menu\lang.dat: the language dialog with a flag button for English and one for Polish.
std::string language_file();
