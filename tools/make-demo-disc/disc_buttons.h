#pragma once

#include <filesystem>

// Writes every button bitmap under the disc folder, each cut from the backdrop it stands on.
void write_buttons(const std::filesystem::path& disc);
