#include "dialogs/help_text.h"

#include <new>

#include "config/text_file.h"

std::string HelpFileName(std::string_view language) {
    return "pomoc_" + std::string(language) + ".txt";
}

std::optional<std::string> ReadHelpFile(const std::string& path) {
    std::optional<std::string> bytes = ReadTextFile(path);
    if (!bytes) return std::nullopt;
    try {
        // The edit control wants CR LF: after EndLinesWithLf every LF ends a line.
        EndLinesWithLf(*bytes);
        std::string text;
        text.reserve(bytes->size() + bytes->size() / 16);
        for (const char c : *bytes) {
            if (c == '\n') text += '\r';
            text += c;
        }
        return text;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::string HelpText(const std::string* language) {
    if (!language) return kNoHelpLanguageText;
    return ReadHelpFile(HelpFileName(*language)).value_or(kUnreadableHelpText);
}
