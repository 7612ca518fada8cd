#pragma once

#include <string>

// The outcome of one MCI command string: the error code (0 for success) and the reply text.
struct MciResult {
    unsigned long error = 0;
    std::string reply;
};

// Sends MCI command strings; the player's CD rules run against it, tests script it.
class MciCommands {
public:
    virtual ~MciCommands() = default;
    virtual MciResult Send(const char* command) = 0;
};
