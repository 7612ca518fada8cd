#include "audio/media_window.h"

#include <vfw.h>

#include "app/system_library.h"

bool MediaWindow::Create(HINSTANCE instance, HWND parent, DWORD style) {
    static const auto create =
        SystemFunction<decltype(MCIWndCreateA)>("msvfw32.dll", "MCIWndCreateA");
    window_ = create ? create(parent, instance, style, nullptr) : nullptr;
    return window_ != nullptr;
}

bool MediaWindow::Open(const std::string& path) {
    // Without a window a message to it would read as success.
    if (path.empty() || !window_) return false;
    if (SendMessageA(window_, MCIWNDM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())) != 0) {
        return false;
    }
    SendMessageA(window_, MCIWNDM_SETTIMEFORMATA, 0, reinterpret_cast<LPARAM>("ms"));
    length_ = static_cast<LONG>(SendMessageA(window_, MCIWNDM_GETLENGTH, 0, 0));
    return true;
}

bool MediaWindow::Play() {
    if (playing_ || !window_) return false;
    if (SendMessageA(window_, MCI_PLAY, 0, 0) != 0) return false;
    playing_ = true;
    return true;
}

void MediaWindow::Rewind() {
    SendMessageA(window_, MCI_SEEK, 0, MCIWND_START);
    playing_ = false;
}

void MediaWindow::Close() {
    SendMessageA(window_, MCI_CLOSE, 0, 0);
    length_ = 0;
    playing_ = false;
}

void MediaWindow::Destroy() {
    SendMessageA(window_, WM_CLOSE, 0, 0);
    window_ = nullptr;
    playing_ = false;
}
