#pragma once

#include <optional>
#include <string>
#include <vector>

// The lines of a text file, split at LF with one CR before the LF removed; a last line
// without a line end counts too. Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Ends every line of the text, split as ReadTextLines splits them, with one LF.
void EndLinesWithLf(std::string& text);

// The whole file as bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);
