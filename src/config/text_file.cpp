#include "config/text_file.h"

#include <fstream>
#include <iterator>
#include <string_view>

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Reads in binary and splits by hand, so a CR LF file gives the same lines on every system.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;

    std::vector<std::string> lines;
    std::string_view rest(*bytes);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return lines;
}
