#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

// Answers the message box that the creating thread shows next: a second thread waits for
// it, reads its caption and text, and presses OK, so the call that showed it returns.
class MessageBoxWatch {
public:
    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    // Stops watching; true when a box was answered.
    bool Finish();
    const std::string& Caption() const { return caption_; }
    const std::string& Text() const { return text_; }

private:
    void Watch(DWORD thread);

    std::atomic<bool> stop_{false};
    bool seen_ = false;
    std::string caption_;
    std::string text_;
    std::thread watcher_;
};
