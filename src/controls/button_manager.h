#pragma once

// Owner of the program's image buttons. One lives in the main window for the whole run.
class ButtonManager {
public:
    ButtonManager() = default;
    ButtonManager(const ButtonManager&) = delete;
    ButtonManager& operator=(const ButtonManager&) = delete;
};
