#pragma once

#include <string>

class ButtonManager;

// Start parameter of the language dialog: the chosen name goes out, the manager goes in.
struct LanguageRequest {
    std::string language;
    ButtonManager* buttons = nullptr;
};
