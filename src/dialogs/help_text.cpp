#include "dialogs/help_text.h"

#include <fstream>

std::string HelpFileName(std::string_view language) {
    return "pomoc_" + std::string(language) + ".txt";
}

std::optional<std::string> ReadHelpFile(const std::string& path) {
    // Binary, so CR LF reads as LF the same way on every platform.
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string text;
    std::string line;
    while (std::getline(file, line)) {
        const bool endedByLf = !file.eof();
        if (endedByLf && !line.empty() && line.back() == '\r') line.pop_back();
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string HelpText(const std::string* language) {
    if (!language) return kNoHelpLanguageText;
    return ReadHelpFile(HelpFileName(*language)).value_or(kUnreadableHelpText);
}
