#pragma once

#include <string_view>

#include "disc_files.h"
#include "finding.h"

enum class ReadMode { kText, kBinary };

// A file the menu reads whole: one over the size it reads is taken for a missing one, and
// text mode ends a file at its first Ctrl-Z, so whatever follows one is never seen. True when
// the menu reads the file.
bool CheckFileRead(const DiscFiles& disc, std::string_view name, ReadMode mode, Findings& findings);

// A configuration file of its two forms: the text form, and the byte-wise one where the menu
// opens it, when the text form is missing or too large.
void CheckConfigRead(const DiscFiles& disc, std::string_view textName, std::string_view binaryName,
                     Findings& findings);
