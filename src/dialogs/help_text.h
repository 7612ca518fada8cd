#pragma once

#include <optional>
#include <string>
#include <string_view>

// Shown in place of the help text when there is no language to name the file by.
inline constexpr char kNoHelpLanguageText[] = "Couldn't find help file.";
// Shown in place of the help text when the file cannot be opened or read.
inline constexpr char kUnreadableHelpText[] = "Couldn't read help file.";

// "pomoc_" + language + ".txt", relative to the current directory.
std::string HelpFileName(std::string_view language);

// The file's lines up to its first Ctrl-Z, each followed by CR LF. LF and CR LF line ends
// read alike and a last line without its line end still counts. Nothing when the file cannot
// be opened, is too large or does not fit in memory.
std::optional<std::string> ReadHelpFile(const std::string& path);

// The help text from the file's text as ReadTextFile gives it. Nothing when it does not fit
// in memory.
std::optional<std::string> ParseHelpText(std::string text);

// What the help dialog shows for the language, or for no language at all.
std::string HelpText(const std::string* language);
