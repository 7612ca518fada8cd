#pragma once

#include <string>
#include <vector>

#include "button_binding.h"
#include "config_source.h"
#include "finding.h"
#include "reference_checks.h"

// What the rest of the disc check needs to know about one language's menu description.
struct MenuFacts {
    bool helpButton = false;    // opens "pomoc_<language>.txt"
    bool playerButton = false;  // "story" opens the audio player
    bool outro = false;
    std::string title;  // of the last "window" element
};

// Menus, templates and applications, items and their pictures, the "window" element.
MenuFacts CheckMenuDescription(const ConfigSource& source, ReferenceChecker& references,
                               Findings& findings, std::vector<ButtonBinding>& bindings);
