#pragma once

#include <windows.h>

#include "audio/mci_commands.h"

// Command strings through mciSendStringA, with the window as callback window.
class SystemMci : public MciCommands {
public:
    explicit SystemMci(HWND callback) : callback_(callback) {}
    MciResult Send(const char* command) override;

private:
    HWND callback_;
};
