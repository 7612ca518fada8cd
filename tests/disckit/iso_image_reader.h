#pragma once

#include <map>
#include <string>

// The files of an image as Windows sees them (Joliet names), path to content.
// Throws std::runtime_error when the image cannot be read.
std::map<std::string, std::string> ReadJolietFiles(const std::string& imagePath);

// The image's volume label.
std::string ReadVolumeLabel(const std::string& imagePath);
