#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_document.h"

// What makes an element of one language's description the same element in another's: items,
// banners and menus by name ("item close", "menu start"), templates by menu and rank
// ("menuitem start 2"), applications by menu and rank ("application start 2"), any other
// element by its name ("window"). Templates and applications always carry their rank, from 1;
// a second element of any other identity gets one ("item close 2").
std::vector<std::string> ElementIdentities(const ConfigDocument& document);

// The element of that identity, if the document has one.
std::optional<size_t> FindByIdentity(const ConfigDocument& document, std::string_view identity);
