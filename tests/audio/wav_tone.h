#pragma once

#include <string>

// The bytes of a mono 8-bit PCM WAV file: a quiet square tone at 8000 samples a second.
std::string WavTone(int milliseconds);
