#pragma once

#include <windows.h>

#include <string>

// Style of the player's MCI window: a visible child without playbar or menu that tells its
// parent of mode changes (WS_CHILD | WS_VISIBLE | MCIWNDF_NOTIFYMODE | MCIWNDF_NOMENU |
// MCIWNDF_NOPLAYBAR).
inline constexpr DWORD kPlayerMediaStyle = 0x5000010A;

// One MCI window playing one media file, with the playing flag its user shows buttons by.
// The flag is this object's own view: playback that ends by itself leaves it set until the
// user answers the MCI window's stop notification with Rewind.
class MediaWindow {
public:
    MediaWindow() = default;
    MediaWindow(const MediaWindow&) = delete;
    MediaWindow& operator=(const MediaWindow&) = delete;

    bool Create(HINSTANCE instance, HWND parent, DWORD style);
    // False for an empty path or a medium that does not open; nothing changes then.
    bool Open(const std::string& path);
    // From the current position to the end; false when already playing or refused.
    bool Play();
    bool IsPlaying() const { return playing_; }
    // Stops and moves to the start.
    void Rewind();
    // Closes the medium; the window stays.
    void Close();
    // Closes the window; the handle is forgotten.
    void Destroy();

    HWND Window() const { return window_; }
    LONG Length() const { return length_; }

private:
    HWND window_ = nullptr;
    bool playing_ = false;
    LONG length_ = 0;
};
