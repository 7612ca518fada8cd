#include "autorun_file.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t kMaxLabel = 16;

bool LabelCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || c == '-' || c == ' ';
}

}  // namespace

std::string AutorunText(std::string_view label) {
    std::string text = "[autorun]\r\nopen=start.exe\r\nicon=start.exe,0\r\n";
    if (!label.empty()) text += "label=" + std::string(label) + "\r\n";
    return text;
}

std::string LabelProblem(std::string_view label) {
    if (label.empty() || label.size() > kMaxLabel)
        return "a label has 1 to 16 characters, \"" + std::string(label) + "\" has " +
               std::to_string(label.size());
    if (!std::all_of(label.begin(), label.end(), LabelCharacter))
        return "a label holds only letters, digits, '_', '-' and spaces: \"" + std::string(label) +
               "\"";
    return {};
}

std::string LabelFromFolderName(std::string_view name) {
    std::string label;
    for (const char c : name.substr(0, kMaxLabel)) {
        const auto u = static_cast<unsigned char>(c);
        label += std::isalnum(u) && u < 0x80 ? static_cast<char>(std::toupper(u)) : '_';
    }
    return label.empty() ? "DISC" : label;
}
