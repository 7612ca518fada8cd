#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The largest configuration, version or help file the menu reads. A larger one reads as a
// file that cannot be opened, on every build alike: the 32-bit menu could not hold a file of
// gigabytes with its parsed form, and no disc needs more than a few hundred kilobytes.
inline constexpr std::uint64_t kMaxTextFileSize = 16u << 20;

// The C runtime's text mode ends a file at its first Ctrl-Z.
inline constexpr char kTextModeEnd = '\x1a';

inline constexpr std::uint64_t kNoSizeLimit = std::numeric_limits<std::uint64_t>::max();

// The whole file as bytes (binary mode). Nothing when it cannot be opened, is larger than the
// limit or does not fit in memory.
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::uint64_t limit = kMaxTextFileSize);

// The file as text mode reads it: its bytes up to the first Ctrl-Z, line ends as they are.
std::optional<std::string> ReadTextFile(const std::string& path);

// The lines of a text file, split by SplitTextLines. Nothing when the file cannot be read or
// its lines do not fit in memory.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// The lines of the text, split at LF with one CR before the LF removed; a last line without a
// line end counts too. Throws std::bad_alloc.
std::vector<std::string> SplitTextLines(std::string_view text);

// Ends every line of the text, split as SplitTextLines splits them, with one LF.
void EndLinesWithLf(std::string& text);
