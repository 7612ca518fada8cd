#pragma once

#include <filesystem>
#include <string_view>

#include "button_strip.h"

// Where a file that the menu files name ("Menu\\btn.bmp", relative to the disc folder) lies
// under `disc`.
std::filesystem::path on_disc(const std::filesystem::path& disc, std::string_view name);

// Draws the button strip for `place` over `backdrop` and writes it as the bitmap file `name`.
void write_strip(const std::filesystem::path& disc, std::string_view name, const Image& backdrop,
                 const Rect& place, const FramePainter& paint);
