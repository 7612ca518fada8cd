#pragma once

#include <vector>

#include "config_source.h"
#include "finding.h"

// Warns of every element of one language's menu description that another language's lacks.
void CheckCounterparts(const std::vector<ConfigSource>& descriptions, Findings& findings);
