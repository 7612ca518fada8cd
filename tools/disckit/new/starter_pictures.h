#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"
#include "rect.h"

// The JPEG quality of the starter disc's pictures; the designer imports pictures at it too.
inline constexpr int kStarterJpegQuality = 90;

// The background, the screenshots and every button strip of the starter disc.
void write_starter_pictures(const std::filesystem::path& dir,
                            const std::vector<std::string>& languages);

// A language button's strip as the starter disc's, over a dialog of that colour.
void write_language_strip(const std::filesystem::path& dir, std::string_view name, Rgba dialog,
                          const Rect& place);
