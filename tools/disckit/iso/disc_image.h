#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// What goes into a disc image besides the disc folder itself.
struct DiscImageOptions {
    std::filesystem::path discDir;
    std::filesystem::path output;
    // Put into the image's root as start.exe when the folder has none.
    std::filesystem::path exe;
    // Volume label, also written into a generated autorun.inf.
    std::string label;
    // Seconds since 1970 stamped on the image and its files instead of the time of writing,
    // so the same folder gives the same bytes.
    std::optional<int64_t> time;
    // Called as the image is written: bytes written so far and the image's size.
    std::function<void(uint64_t written, uint64_t total)> progress;
};

// Whether the folder's root lacks a start.exe (in any letter case), which its image then gets.
bool NeedsStartExe(const std::filesystem::path& discDir);

// Writes the folder as an ISO 9660 image with Joliet and Rock Ridge names. Adds start.exe
// and an autorun.inf to the root when the folder has none (the folder is not changed).
// Returns the empty string on success, else what went wrong.
std::string WriteDiscImage(const DiscImageOptions& options);
