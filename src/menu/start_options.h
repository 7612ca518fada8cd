#pragma once

#include <string>
#include <vector>

class ConfigDocument;

// What the main window does while it is created, in document order: the intro picture for
// each "intro" of a "window" element that says exactly "true", and a message box for each
// "item" of type "message".
struct StartStep {
    enum class Kind { Intro, Message };

    Kind kind = Kind::Intro;
    std::string title;
    std::string text;
};

struct StartOptions {
    std::vector<StartStep> steps;
    bool outro = false;  // closing shows the outro picture first
};

StartOptions ReadStartOptions(const ConfigDocument& document);
