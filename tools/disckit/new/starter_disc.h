#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// Why a starter disc was not written: a bad language list, a folder that already holds files,
// or a file that could not be written. The message names the cause.
class StarterDiscError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes a small, complete disc into `dir` (created when missing; it must be empty): the
// language list, one menu description and help file per language, the version file, the
// background, button strips and screenshots, two documents and an autorun.inf that starts
// start.exe. The first language comes first in the language dialog. Throws StarterDiscError.
void WriteStarterDisc(const std::filesystem::path& dir, const std::vector<std::string>& languages);
