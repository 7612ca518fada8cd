#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A language added to a disc: its description and help copied from another language's, and a
// button for it in the language list, drawn as the starter disc draws its language buttons.
struct NewLanguage {
    std::string code;     // the base name of its files, Menu\<code>.dat
    std::string from;     // the language copied
    std::string caption;  // the button's text, UTF-8; the code when empty
};

// What a language command did, or why it did nothing.
struct LanguageOutcome {
    std::string refusal;             // empty when done; nothing was written otherwise
    std::vector<std::string> lines;  // what it wrote or left, for the author
};

LanguageOutcome AddLanguage(const std::filesystem::path& disc, const NewLanguage& language);

// Takes the language's button out of the list; its files stay on the disc, and are named.
LanguageOutcome RemoveLanguage(const std::filesystem::path& disc, const std::string& code);

// Whether the menu can use the code as a file name: letters, digits, "-" and "_", at most 32,
// and no name Windows keeps for a device.
bool UsableLanguageCode(const std::string& code);
