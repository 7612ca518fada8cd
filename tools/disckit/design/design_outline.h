#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/config_document.h"

// One line of the designer's outline: an element of the description in file order.
struct OutlineEntry {
    size_t element = 0;
    std::string label;  // the element's name, then its name, text or title; Windows-1250
    int level = 0;      // 1 for the templates and applications right below their menu
    // The state that shows it: its menu, page, and application (from 1; 0 for none).
    std::string menu;
    int page = 1;
    int application = 0;
};

std::vector<OutlineEntry> OutlineOf(const ConfigDocument& document);
