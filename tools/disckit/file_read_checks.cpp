#include "file_read_checks.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "config/text_file.h"

namespace {

bool OnDisc(const FileRef& ref) {
    return ref.kind == FileRef::Kind::kFound || ref.kind == FileRef::Kind::kCaseDiffers;
}

TextPosition PositionIn(std::string_view bytes, size_t offset) {
    const std::string_view before = bytes.substr(0, offset);
    const size_t lineStart = before.rfind('\n');
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const size_t column = offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    return {static_cast<int>(line), static_cast<int>(column)};
}

// A file saved by an old editor may end with a Ctrl-Z and a line end: nothing is lost then.
bool OnlyEndsFollow(std::string_view rest) {
    return rest.find_first_not_of("\x1a\r\n \t") == std::string_view::npos;
}

}  // namespace

bool CheckFileRead(const DiscFiles& disc, std::string_view name, ReadMode mode,
                   Findings& findings) {
    const FileRef ref = disc.Resolve(name);
    if (!OnDisc(ref)) return false;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(ref.path, error);
    if (!error && size > kMaxTextFileSize) {
        findings.Error(ref.onDisc, {},
                       "a file of " + std::to_string(size) +
                           " bytes: the menu reads files of at most " +
                           std::to_string(kMaxTextFileSize >> 20) +
                           " MiB and takes a larger one for a missing one",
                       "keep it within " + std::to_string(kMaxTextFileSize >> 20) + " MiB");
        return false;
    }
    const std::optional<std::string> bytes = ReadFileBytes(ref.path.string());
    if (!bytes) return false;
    const size_t end = mode == ReadMode::kText ? bytes->find(kTextModeEnd) : std::string::npos;
    if (end != std::string::npos && !OnlyEndsFollow(std::string_view(*bytes).substr(end))) {
        findings.Warning(ref.onDisc, PositionIn(*bytes, end),
                         "text after a Ctrl-Z (0x1A): the menu reads the file only up to it",
                         "remove the Ctrl-Z byte, or what follows it");
    }
    return true;
}

void CheckConfigRead(const DiscFiles& disc, std::string_view textName, std::string_view binaryName,
                     Findings& findings) {
    if (!CheckFileRead(disc, textName, ReadMode::kText, findings)) {
        CheckFileRead(disc, binaryName, ReadMode::kBinary, findings);
    }
}
