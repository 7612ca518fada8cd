#pragma once

#include <vector>

#include "button_binding.h"
#include "config_source.h"
#include "finding.h"
#include "reference_checks.h"

// The audio player's "Menu\cda.dat": its mode and file, buttons, status region, background.
void CheckPlayerFile(const ConfigSource& source, ReferenceChecker& references, Findings& findings,
                     std::vector<ButtonBinding>& bindings);
