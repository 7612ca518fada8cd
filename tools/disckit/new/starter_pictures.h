#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The background, the screenshots and every button strip of the starter disc.
void write_starter_pictures(const std::filesystem::path& dir,
                            const std::vector<std::string>& languages);
