#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "finding.h"

// Text as this system's console shows it: Windows-1250 stays as it is on Windows and becomes
// UTF-8 elsewhere.
std::string ForConsole(std::string_view text);

// "FILE:LINE:COL: error|warning: message", then an indented hint line, for each finding.
void PrintFindings(const Findings& findings, std::ostream& out);

// {"errors": n, "warnings": n, "findings": [{"file", "line", "column", "severity", "message",
// "hint"}, ...]}, UTF-8.
std::string FindingsJson(const Findings& findings);
