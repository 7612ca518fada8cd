#pragma once

#include <filesystem>

#include "finding.h"

struct DiscCheck {
    Findings findings;
    bool unreadable = false;  // no disc folder, or no language list to start from
};

// Reads the disc folder as the menu would, language by language, and reports what would
// show wrong or not at all.
DiscCheck CheckDisc(const std::filesystem::path& root);
