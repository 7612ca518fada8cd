#pragma once

#include <chrono>
#include <thread>

namespace e2e {

inline constexpr std::chrono::milliseconds kPollInterval{20};

// Asks done() until it says yes or the timeout runs out; false on timeout.
template <typename Done>
bool WaitUntil(std::chrono::milliseconds timeout, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

}  // namespace e2e
