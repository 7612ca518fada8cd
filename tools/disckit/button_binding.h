#pragma once

#include <string>
#include <vector>

#include "finding.h"

// A button made through the one button manager of the menu: its control id and bitmap name.
// The manager's table is shared by every window, and the first binding of an id decides the
// bitmap every later button with that id shows.
struct ButtonBinding {
    int id = 0;
    std::string image;
    std::string file;
    TextPosition position;
};

// Reports each button whose id was bound to another bitmap before it, in the order the
// menu creates them.
void CheckBindings(const std::vector<ButtonBinding>& bindings, Findings& findings);
