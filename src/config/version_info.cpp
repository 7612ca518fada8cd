#include "config/version_info.h"

#include <new>

#include "config/decimal.h"
#include "config/file_handle.h"
#include "config/text_file.h"

bool VersionInfo::Load(const std::string& path) {
    path_ = path;
    const std::optional<std::string> text = ReadTextFile(path);
    return text && Parse(*text);
}

bool VersionInfo::Parse(std::string_view text) {
    const size_t before = lines_.size();
    try {
        const std::vector<std::string> split = SplitTextLines(text);
        lines_.reserve(before + split.size());
        for (const std::string& line : split) {
            Line entry;
            const size_t separator = line.find('=');
            entry.key = line.substr(0, separator);
            if (separator != std::string::npos) entry.value = line.substr(separator + 1);
            if (trace_) {
                WriteAll(trace_,
                         "Key: " + entry.key + " Value: " + entry.value.value_or("") + "\n");
                std::fflush(trace_);
            }
            lines_.push_back(std::move(entry));
        }
        // The fields change only once nothing more can fail; the last line of a key wins.
        std::string title = title_;
        int32_t major = major_;
        int32_t minor = minor_;
        int32_t build = build_;
        for (const Line& entry : lines_) {
            if (!entry.value) continue;
            if (entry.key == "Title") title = *entry.value;
            if (entry.key == "Major") major = ReadDecimal(*entry.value);
            if (entry.key == "Minor") minor = ReadDecimal(*entry.value);
            if (entry.key == "Build") build = ReadDecimal(*entry.value);
        }
        title_ = std::move(title);
        major_ = major;
        minor_ = minor;
        build_ = build;
        return true;
    } catch (const std::bad_alloc&) {
        // Lines that do not fit in memory: a file that cannot be read, which changes nothing.
        lines_.resize(before);
        return false;
    }
}

bool VersionInfo::Save() const {
    const std::string text = SavedText();
    // Text mode, so Windows writes CR LF line ends.
    UniqueFile file = OpenFile(path_, "w");
    if (!file) return false;
    const bool written = WriteAll(file.get(), text);
    return std::fclose(file.release()) == 0 && written;
}

std::string VersionInfo::SavedText() const {
    std::string text;
    for (const Line& entry : lines_) {
        text += entry.key;
        if (entry.value) {
            text += '=';
            if (entry.key == "Title") {
                text += title_;
            } else if (entry.key == "Major") {
                text += std::to_string(major_);
            } else if (entry.key == "Minor") {
                text += std::to_string(minor_);
            } else if (entry.key == "Build") {
                text += std::to_string(build_);
            } else {
                text += *entry.value;
            }
        }
        text += '\n';
    }
    return text;
}
