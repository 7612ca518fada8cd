#include "audio/cd_player.h"

#include "audio/player_texts.h"

bool CdPlayer::Open() {
    const MciResult result = mci_.Send("open cdaudio");
    // MCI answers with the device id it gave out; anything else means no usable drive.
    deviceOpen_ = !result.reply.empty() && result.reply.front() == '1';
    return deviceOpen_;
}

void CdPlayer::Poll() {
    mci_.Send("set cdaudio time format msf");
    const bool disc = mci_.Send("status cdaudio length").error == 0;
    if (!disc) {
        playing_ = false;
        // Playback went with the disc and no stop will come to start the re-enabling timer.
        display_.startEnabled = true;
    }
    display_.status = !disc      ? player_text::kNoDisc
                      : playing_ ? player_text::kPlaying
                                 : player_text::kNotPlaying;
    display_.startShown = disc && !playing_;
    display_.stopShown = disc && playing_;
}

bool CdPlayer::Start() {
    if (!deviceOpen_ && !Open()) return false;
    playing_ = true;
    mci_.Send("play cdaudio");
    display_.startEnabled = false;
    return true;
}

void CdPlayer::Stop() {
    playing_ = false;
    StopAndClose();
}

void CdPlayer::Shut() {
    if (!deviceOpen_) return;
    StopAndClose();
    playing_ = false;
}

void CdPlayer::StopAndClose() {
    mci_.Send("stop cdaudio");
    mci_.Send("close cdaudio");
    deviceOpen_ = false;
}
