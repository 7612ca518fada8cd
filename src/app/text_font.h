#pragma once

#include <string>

#include "app/handles.h"

// A font by the program's one rule: width from FontWidthForHeight, bold 700 or medium 500,
// the Central European character set, TrueType output at proof quality. Empty when the
// system cannot make the font.
UniqueFont CreateTextFont(int height, const std::string& face, bool bold, bool italic);
