#pragma once

#include <string>
#include <string_view>

namespace e2e {

// The menu program under test, from DISCMENU_START_EXE. Throws when it is not set.
std::string StartExePath();
// The folder holding the fixture discs, from DISCMENU_E2E_FIXTURES. Throws when it is not set.
std::string FixturesPath();
// The bundled demo disc, from DISCMENU_DEMO_DISC. Throws when it is not set.
std::string DemoDiscPath();
// The demo disc extracted from the image disckit made of it, from DISCMENU_IMAGE_TREE, or
// the empty string when there is none.
std::string ImageTreePath();

// The folder of one fixture disc.
std::string FixturePath(std::string_view name);

}  // namespace e2e
