#include "wav_tone.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kRate = 8000;
// 400 Hz: ten samples up, ten down, around the unsigned midpoint 128.
constexpr int kHalfPeriod = 10;

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

std::string WavTone(int milliseconds) {
    const std::uint32_t samples = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string out = "RIFF";
    Put32(out, 36 + samples);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, kRate);
    Put32(out, kRate);  // bytes a second
    Put16(out, 1);      // block align
    Put16(out, 8);      // bits a sample
    out += "data";
    Put32(out, samples);
    for (std::uint32_t i = 0; i < samples; ++i) {
        out += static_cast<char>((i / kHalfPeriod) % 2 ? 112 : 144);
    }
    return out;
}
