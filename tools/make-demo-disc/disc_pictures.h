#pragma once

#include <filesystem>

// Writes the background, the banners and the screenshots as JPEG files under the disc folder.
void write_pictures(const std::filesystem::path& disc);
