#include "app/command_line.h"

#include <algorithm>

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view SkipBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

}  // namespace

CommandLineParts SplitCommandLine(std::string_view commandLine) {
    std::string_view rest = SkipBlanks(commandLine);
    std::string_view program;
    if (!rest.empty() && rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close == std::string_view::npos) return {std::string(rest.substr(1)), {}};
        program = rest.substr(1, close - 1);
        rest.remove_prefix(close + 1);
    } else {
        const std::size_t end = std::min(rest.find_first_of(kBlanks), rest.size());
        program = rest.substr(0, end);
        rest.remove_prefix(end);
    }
    return {std::string(program), std::string(SkipBlanks(rest))};
}
