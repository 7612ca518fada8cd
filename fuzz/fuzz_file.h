#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes a fuzz input where the loaders read files from: one file of a per-process folder,
// overwritten by each input and removed with the folder at exit.
std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size);
