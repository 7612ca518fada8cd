#pragma once

#include <filesystem>
#include <string_view>

// The file replaced as a whole: written beside it under another name, then renamed over it,
// so that a reader never sees half a file. False when it could not be written.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

// Whether the path, with its links followed, lies inside the folder.
bool LiesInside(const std::filesystem::path& folder, const std::filesystem::path& path);
