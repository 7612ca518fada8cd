#pragma once

#include <cstdint>
#include <vector>

// A short three-note chime as a mono 16-bit PCM WAV file, synthesized here.
std::vector<std::uint8_t> encode_chime();
