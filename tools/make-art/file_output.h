#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// Writes the bytes as the whole file, making its folders; throws std::runtime_error when that
// fails.
void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void write_file(const std::filesystem::path& path, std::string_view bytes);
