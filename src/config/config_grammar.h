#pragma once

#include <string_view>
#include <vector>

#include "config/config_element.h"

// The element grammar shared by every configuration file: "<" element-text "/>",
// no nesting, no closing tags, nothing outside elements counts.

// Every complete element of the text, in order; an element left open at the end is dropped.
std::vector<ConfigElement> ParseElements(std::string_view text);

// The key=value items of an element's attribute text (everything after its first space).
std::vector<ConfigAttribute> ParseAttributes(std::string_view text);
