#pragma once

#include <string>
#include <string_view>

// autorun.inf of a disc whose menu is start.exe: Windows offers to start it and shows its icon
// and the label for the disc.
std::string autorun_inf(std::string_view label);
