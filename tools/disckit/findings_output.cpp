#include "findings_output.h"

#include <nlohmann/json.hpp>

#include "cp1250.h"

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::kError ? "error" : "warning";
}

// File names come from the disc's folder listing: UTF-8 here, the ANSI code page on Windows.
std::string FileNameUtf8(const std::string& name) {
#ifdef _WIN32
    return Cp1250ToUtf8(name);
#else
    return name;
#endif
}

}  // namespace

std::string ForConsole(std::string_view text) {
#ifdef _WIN32
    return std::string(text);
#else
    return Cp1250ToUtf8(text);
#endif
}

void PrintFindings(const Findings& findings, std::ostream& out) {
    for (const Finding& finding : findings.All()) {
        out << finding.file;
        if (finding.position.line > 0) {
            out << ':' << finding.position.line << ':' << finding.position.column;
        }
        out << ": " << SeverityName(finding.severity) << ": " << ForConsole(finding.message)
            << '\n';
        if (!finding.hint.empty()) out << "    hint: " << ForConsole(finding.hint) << '\n';
    }
}

std::string FindingsJson(const Findings& findings) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Finding& finding : findings.All()) {
        list.push_back({{"file", FileNameUtf8(finding.file)},
                        {"line", finding.position.line},
                        {"column", finding.position.column},
                        {"severity", SeverityName(finding.severity)},
                        {"message", Cp1250ToUtf8(finding.message)},
                        {"hint", Cp1250ToUtf8(finding.hint)}});
    }
    nlohmann::ordered_json report = {{"errors", findings.Count(Severity::kError)},
                                     {"warnings", findings.Count(Severity::kWarning)},
                                     {"findings", std::move(list)}};
    return report.dump(2) + "\n";
}
