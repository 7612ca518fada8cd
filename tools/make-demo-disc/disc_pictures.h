#pragma once

#include <filesystem>

// Writes the background, the banners, the screenshots and the closing picture as JPEG files
// under the disc folder.
void write_pictures(const std::filesystem::path& disc);
