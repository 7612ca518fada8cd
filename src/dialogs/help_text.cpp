#include "dialogs/help_text.h"

#include <new>
#include <utility>

#include "config/text_file.h"

std::string HelpFileName(std::string_view language) {
    return "pomoc_" + std::string(language) + ".txt";
}

std::optional<std::string> ReadHelpFile(const std::string& path) {
    std::optional<std::string> text = ReadTextFile(path);
    return text ? ParseHelpText(std::move(*text)) : std::nullopt;
}

std::optional<std::string> ParseHelpText(std::string text) {
    try {
        // The edit control wants CR LF: after EndLinesWithLf every LF ends a line.
        EndLinesWithLf(text);
        std::string shown;
        shown.reserve(text.size() + text.size() / 16);
        for (const char c : text) {
            if (c == '\n') shown += '\r';
            shown += c;
        }
        return shown;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::string HelpText(const std::string* language) {
    if (!language) return kNoHelpLanguageText;
    return ReadHelpFile(HelpFileName(*language)).value_or(kUnreadableHelpText);
}
