#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The JPEG quality of the starter disc's pictures; the designer imports pictures at it too.
inline constexpr int kStarterJpegQuality = 90;

// The background, the screenshots and every button strip of the starter disc.
void write_starter_pictures(const std::filesystem::path& dir,
                            const std::vector<std::string>& languages);
