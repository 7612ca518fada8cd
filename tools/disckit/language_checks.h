#pragma once

#include <string>
#include <vector>

#include "button_binding.h"
#include "config_source.h"
#include "finding.h"
#include "reference_checks.h"

// A language the dialog offers, with the element that offers it.
struct LanguageEntry {
    std::string name;
    size_t element = 0;
};

// The language list "Menu\lang.dat": its window, its buttons and their strips.
std::vector<LanguageEntry> CheckLanguageFile(const ConfigSource& source,
                                             ReferenceChecker& references, Findings& findings,
                                             std::vector<ButtonBinding>& bindings);
