#pragma once

#include <cstdint>

// An 8-bit-per-channel colour with straight (not premultiplied) alpha; 255 is opaque.
struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    bool operator==(const Rgba&) const = default;
};

// Blends from `from` (weight 0) to `to` (weight 256); integer-only so every build draws the same
// bytes.
constexpr Rgba mix(Rgba from, Rgba to, int weight) {
    auto channel = [weight](int x, int y) {
        return static_cast<std::uint8_t>(x + (y - x) * weight / 256);
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b),
            channel(from.a, to.a)};
}
