#include "finding.h"

#include <algorithm>
#include <tuple>

void Findings::Add(Severity severity, std::string file, TextPosition position, std::string message,
                   std::string hint) {
    // Files every language shares (the player's, the language list) are checked once per
    // language; a finding is reported once.
    const bool known = std::any_of(findings_.begin(), findings_.end(), [&](const Finding& f) {
        return f.file == file && f.position.line == position.line &&
               f.position.column == position.column && f.message == message;
    });
    if (known) return;
    findings_.push_back({std::move(file), position, severity, std::move(message), std::move(hint)});
}

void Findings::Error(std::string file, TextPosition position, std::string message,
                     std::string hint) {
    Add(Severity::kError, std::move(file), position, std::move(message), std::move(hint));
}

void Findings::Warning(std::string file, TextPosition position, std::string message,
                       std::string hint) {
    Add(Severity::kWarning, std::move(file), position, std::move(message), std::move(hint));
}

int Findings::Count(Severity severity) const {
    return static_cast<int>(
        std::count_if(findings_.begin(), findings_.end(),
                      [&](const Finding& f) { return f.severity == severity; }));
}

void Findings::Sort() {
    std::stable_sort(findings_.begin(), findings_.end(), [](const Finding& a, const Finding& b) {
        return std::tie(a.file, a.position.line, a.position.column) <
               std::tie(b.file, b.position.line, b.position.column);
    });
}
