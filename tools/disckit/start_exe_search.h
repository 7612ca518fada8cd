#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A start.exe that disckit found for a disc, and where it was found.
struct FoundStartExe {
    std::filesystem::path path;
    std::string place;  // "beside disckit", "installed with disckit", "of the windows32 build"
};

// The folder of the running disckit executable; empty when it cannot be told.
std::filesystem::path ToolFolder();

// The 32-bit start.exe for discs, searched from disckit's folder: beside it, else in the
// installed share/discmenu/, else in the windows32 preset's build beside disckit's own build.
std::optional<FoundStartExe> FindStartExe(const std::filesystem::path& toolFolder);

// "start.exe installed with disckit (/usr/share/discmenu/start.exe)"
std::string Describe(const FoundStartExe& found);
