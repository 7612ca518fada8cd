#pragma once

#include <string_view>

#include "config_source.h"
#include "finding.h"

// A "red;green;blue" colour: three numbers, each 0 to 255 (or -1 to keep the default).
void CheckColour(const ConfigSource& source, size_t element, std::string_view key,
                 std::string_view value, Findings& findings);

// A switch that is on only when its value is exactly "true".
void CheckTrueFlag(const ConfigSource& source, size_t element, std::string_view key,
                   std::string_view value, Findings& findings);
