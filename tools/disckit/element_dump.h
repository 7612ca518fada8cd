#pragma once

#include <string>
#include <string_view>

#include "config/config_document.h"

// Control characters as C escapes (\n, \r, \t, \xNN); every other byte as it is.
std::string MakeVisible(std::string_view text);

// Each element as "[index] name" and its items as indented "key" = "value" lines, in file
// order with duplicates kept; control characters made visible, texts as given.
std::string DumpText(const ConfigDocument& document);

// [{"name": ..., "attributes": [["key", "value"], ...]}, ...], texts converted to UTF-8.
std::string DumpJson(const ConfigDocument& document);
