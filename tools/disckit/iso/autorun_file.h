#pragma once

#include <string>
#include <string_view>

// autorun.inf for a disc whose root holds start.exe: open it and show its icon.
std::string AutorunText(std::string_view label);

// A volume label Windows shows whole: 1 to 16 characters of letters, digits, '_', '-' and
// spaces (Joliet keeps 16). Returns why it is not, or the empty string.
std::string LabelProblem(std::string_view label);

// A label from a folder name: letters uppercased, anything else but digits made '_', 16 at most.
std::string LabelFromFolderName(std::string_view name);
