#include "disc_layout_checks.h"

#include <algorithm>
#include <map>
#include <string>

#include "config/decimal.h"
#include "config/text_file.h"
#include "config/version_info.h"
#include "reference_checks.h"
#include "vocabulary.h"

namespace {

// Joliet keeps at most 64 UTF-16 characters of each name.
constexpr size_t kJolietNameLength = 64;

size_t Characters(std::string_view utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string Lower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

// The program an autorun "open" line starts: its first word, without folders.
std::string ProgramOf(std::string_view command) {
    std::string_view program = command;
    if (!program.empty() && program.front() == '"') {
        program = program.substr(1, program.find('"', 1) - 1);
    } else {
        program = program.substr(0, program.find(' '));
    }
    const size_t slash = program.find_last_of("\\/");
    if (slash != std::string_view::npos) program.remove_prefix(slash + 1);
    return Lower(std::string(program));
}

void CheckAutorun(const DiscFiles& disc, Findings& findings) {
    const FileRef ref = disc.Resolve("autorun.inf");
    if (ref.kind != FileRef::Kind::kFound && ref.kind != FileRef::Kind::kCaseDiffers) {
        findings.Warning("autorun.inf", {}, "no autorun.inf: the menu does not start by itself",
                         "add autorun.inf with [autorun], open=start.exe and icon=start.exe");
        return;
    }
    const std::optional<std::vector<std::string>> lines = ReadTextLines(ref.path.string());
    bool inAutorun = false;
    std::string program;
    int programLine = 0;
    for (size_t i = 0; lines && i < lines->size(); ++i) {
        const std::string line = Trim((*lines)[i]);
        if (!line.empty() && line.front() == '[') {
            inAutorun = Lower(line) == "[autorun]";
            continue;
        }
        const size_t equals = line.find('=');
        if (!inAutorun || equals == std::string::npos) continue;
        const std::string key = Lower(Trim(line.substr(0, equals)));
        if (key == "open" || key == "shellexecute") {
            program = ProgramOf(Trim(line.substr(equals + 1)));
            programLine = static_cast<int>(i + 1);
        }
    }
    if (program == "start.exe") return;
    findings.Error(ref.onDisc, {programLine, programLine ? 1 : 0},
                   program.empty() ? "autorun.inf starts nothing: no open= in its [autorun] section"
                                   : "autorun.inf starts \"" + program + "\", not start.exe",
                   "write open=start.exe under [autorun]");
}

}  // namespace

void CheckDiscLayout(const DiscFiles& disc, Findings& findings) {
    std::map<std::string, std::string> folded;
    for (const std::string& entry : disc.AllEntries()) {
        const size_t slash = entry.rfind('/');
        const std::string name = slash == std::string::npos ? entry : entry.substr(slash + 1);
        if (Characters(name) > kJolietNameLength) {
            findings.Error(entry, {},
                           "the name is " + std::to_string(Characters(name)) +
                               " characters long: Joliet keeps " +
                               std::to_string(kJolietNameLength) + " and the disc cuts it",
                           "shorten the name to 64 characters or fewer");
        }
        if (Characters(entry) > kMaxDiscPathLength) {
            findings.Error(
                entry, {},
                "the path is " + std::to_string(Characters(entry)) +
                    " characters long: with the drive in front Windows cannot open it",
                "keep paths below " + std::to_string(kMaxDiscPathLength + 1) + " characters");
        }
        const auto [it, added] = folded.emplace(Lower(entry), entry);
        if (!added) {
            findings.Error(entry, {},
                           "differs from \"" + it->second +
                               "\" only in letter case: on Windows one hides the other",
                           "rename one of them");
        }
    }
    CheckAutorun(disc, findings);
}

void CheckVersionFile(const DiscFiles& disc, Findings& findings) {
    const FileRef ref = disc.Resolve("version.dat");
    if (ref.kind != FileRef::Kind::kFound && ref.kind != FileRef::Kind::kCaseDiffers) return;
    VersionInfo version;
    version.SetTrace(nullptr);
    if (!version.Load(ref.path.string())) return;
    const std::vector<std::string_view> keys = {"Title", "Major", "Minor", "Build"};
    for (size_t i = 0; i < version.Lines().size(); ++i) {
        const VersionInfo::Line& line = version.Lines()[i];
        const TextPosition at{static_cast<int>(i + 1), 1};
        if (!line.value) {
            if (!Trim(line.key).empty()) {
                findings.Warning(ref.onDisc, at, "line without \"=\" is ignored",
                                 "write Key=value");
            }
            continue;
        }
        if (std::find(keys.begin(), keys.end(), line.key) != keys.end()) {
            if (line.key != "Title" &&
                (line.value->empty() ||
                 line.value->find_first_not_of("-0123456789") != std::string::npos)) {
                findings.Warning(ref.onDisc, at,
                                 line.key + " \"" + *line.value + "\" reads as " +
                                     std::to_string(ReadDecimal(*line.value)),
                                 "write the number alone");
            }
            continue;
        }
        const std::string trimmed = Trim(line.key);
        const std::optional<std::string_view> meant = Suggest(trimmed, keys);
        if (meant) {
            findings.Error(ref.onDisc, at,
                           "key \"" + line.key + "\" is not \"" + std::string(*meant) +
                               "\": the menu ignores it",
                           "write " + std::string(*meant) +
                               "=value, without spaces and in this "
                               "letter case");
        } else {
            findings.Warning(ref.onDisc, at, "unknown key \"" + line.key + "\" is ignored",
                             "the menu reads Title, Major, Minor and Build");
        }
    }
}
