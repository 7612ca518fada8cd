#pragma once

#include <string>

#include "audio/mci_commands.h"

// What the player shows in mode "cda".
struct CdDisplay {
    std::string status;
    bool startShown = false;
    bool stopShown = false;
    bool startEnabled = true;

    bool operator==(const CdDisplay&) const = default;
};

// The rules of mode "cda": the "cdaudio" device driven by command strings, and the display
// that the 300 ms poll derives from whether a disc is present and whether the user plays it.
class CdPlayer {
public:
    explicit CdPlayer(MciCommands& mci) : mci_(mci) {}

    // "open cdaudio"; false when the reply does not begin with '1', and the device stays closed.
    bool Open();
    // The poll: a failing length query means there is no disc, and playback is forgotten.
    void Poll();
    // Opens the device when needed and plays; false when it cannot be opened.
    bool Start();
    // Stops and closes the device; start stays disabled until EnableStart.
    void Stop();
    // The one-second timer that follows a stop.
    void EnableStart() { display_.startEnabled = true; }
    // The dialog is closing: a device still open is stopped and closed.
    void Shut();

    const CdDisplay& Display() const { return display_; }
    bool DeviceOpen() const { return deviceOpen_; }
    bool Playing() const { return playing_; }

private:
    void StopAndClose();

    MciCommands& mci_;
    CdDisplay display_;
    bool deviceOpen_ = false;
    bool playing_ = false;
};
