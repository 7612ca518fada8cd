#include "value_checks.h"

#include <algorithm>
#include <string>
#include <vector>

#include "config/colour.h"
#include "config/decimal.h"

namespace {

std::vector<std::string_view> SplitColour(std::string_view value) {
    std::vector<std::string_view> parts;
    for (int i = 0; i < 2; ++i) {
        const size_t semicolon = value.find(';');
        if (semicolon == std::string_view::npos) break;
        parts.push_back(value.substr(0, semicolon));
        value.remove_prefix(semicolon + 1);
    }
    parts.push_back(value);
    return parts;
}

bool IsPlainDecimal(std::string_view value) {
    if (!value.empty() && value.front() == '-') value.remove_prefix(1);
    return !value.empty() &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void CheckColour(const ConfigSource& source, size_t element, std::string_view key,
                 std::string_view value, Findings& findings) {
    if (value.empty()) return;
    const TextPosition at = source.ValuePosition(element, key);
    const std::string shown = "\"" + std::string(value) + "\"";
    const std::vector<std::string_view> parts = SplitColour(value);
    if (parts.size() < 3) {
        findings.Error(
            source.File(), at,
            std::string(key) + " " + shown + " is not red;green;blue: the colour is ignored",
            "write three numbers from 0 to 255 separated by \";\", as in \"255;240;200\"");
        return;
    }
    for (const std::string_view part : parts) {
        const int number = ReadDecimal(part);
        if (!IsPlainDecimal(part)) {
            findings.Warning(source.File(), at,
                             std::string(key) + " " + shown + ": \"" + std::string(part) +
                                 "\" reads as " + std::to_string(number),
                             "write each part as a plain number from 0 to 255");
            return;
        }
        if (number < -1 || number > 255) {
            findings.Warning(source.File(), at,
                             std::string(key) + " " + shown + ": " + std::to_string(number) +
                                 " keeps only its low 8 bits (" + std::to_string(number & 255) +
                                 ")",
                             "each part runs from 0 to 255");
            return;
        }
    }
}

void CheckTrueFlag(const ConfigSource& source, size_t element, std::string_view key,
                   std::string_view value, Findings& findings) {
    if (value.empty() || value == "true" || value == "false") return;
    findings.Error(source.File(), source.ValuePosition(element, key),
                   std::string(key) + "=\"" + std::string(value) +
                       "\" is not exactly \"true\": the menu treats it as off",
                   "write " + std::string(key) + "=true (lower case) to turn it on");
}
