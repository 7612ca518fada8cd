#include "chime.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "little_endian.h"

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 3.2;

struct Note {
    double start;      // seconds
    double frequency;  // Hz
};

// C6, E6, G6 rising, then the three together.
constexpr std::array kNotes{Note{0.0, 1046.5}, Note{0.35, 1318.5}, Note{0.7, 1568.0},
                            Note{1.2, 1046.5}, Note{1.2, 1318.5},  Note{1.2, 1568.0}};

// A struck bell: the fundamental with two quieter overtones, dying away.
double bell(double t, double frequency) {
    if (t < 0) {
        return 0;
    }
    const double attack = std::min(1.0, t / 0.004);
    const double w = 2 * std::numbers::pi * frequency * t;
    return attack * std::exp(-3.0 * t) *
           (std::sin(w) + 0.4 * std::sin(2.76 * w) * std::exp(-4.0 * t) +
            0.2 * std::sin(5.4 * w) * std::exp(-8.0 * t));
}

}  // namespace

std::vector<std::uint8_t> encode_chime() {
    const int samples = static_cast<int>(kRate * kSeconds);
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    const auto tag = [&out](const char* text) { out.insert(out.end(), text, text + 4); };
    tag("RIFF");
    append_u32(out, 36 + data_bytes);
    tag("WAVE");
    tag("fmt ");
    append_u32(out, 16);
    append_u16(out, 1);  // PCM
    append_u16(out, 1);  // mono
    append_u32(out, kRate);
    append_u32(out, kRate * 2);
    append_u16(out, 2);
    append_u16(out, 16);
    tag("data");
    append_u32(out, data_bytes);
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double value = 0;
        for (const Note& note : kNotes) {
            value += bell(t - note.start, note.frequency);
        }
        // Fades out over the last fifth of a second so that the end does not click.
        const double fade = std::clamp((kSeconds - t) / 0.2, 0.0, 1.0);
        const double scaled = std::clamp(value * fade * 6000.0, -32767.0, 32767.0);
        append_u16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(scaled))));
    }
    return out;
}
