#pragma once

#include <filesystem>
#include <string>

// The audio player's configuration: mode "mp3" playing the disc's chime.
std::string player_file();

// Writes the player's configuration, background, button bitmaps and chime under the disc folder.
void write_player(const std::filesystem::path& disc);
