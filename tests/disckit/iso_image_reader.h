#pragma once

#include <cstdint>
#include <map>
#include <string>

// The files of an image as Windows sees them (Joliet names), path to content.
// Throws std::runtime_error when the image cannot be read.
std::map<std::string, std::string> ReadJolietFiles(const std::string& imagePath);

// The image's volume label.
std::string ReadVolumeLabel(const std::string& imagePath);

// When the image says its volume was created, in seconds since 1970.
int64_t ReadVolumeCreationTime(const std::string& imagePath);
