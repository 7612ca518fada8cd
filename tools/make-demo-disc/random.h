#pragma once

#include <cstdint>

// A small linear congruential generator: scattered stars and sparkles come out the same on
// every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}

    // A number from 0 to `limit` - 1.
    int below(int limit) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(limit));
    }

private:
    std::uint32_t state_;
};
