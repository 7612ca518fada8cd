#include "config/version_info.h"

#include "config/decimal.h"
#include "config/file_handle.h"
#include "config/text_file.h"

bool VersionInfo::Load(const std::string& path) {
    path_ = path;
    std::optional<std::vector<std::string>> text = ReadTextLines(path);
    if (!text) return false;

    for (const std::string& line : *text) {
        Line entry;
        const size_t separator = line.find('=');
        entry.key = line.substr(0, separator);
        if (separator != std::string::npos) entry.value = line.substr(separator + 1);
        if (trace_) {
            WriteAll(trace_, "Key: " + entry.key + " Value: " + entry.value.value_or("") + "\n");
            std::fflush(trace_);
        }
        lines_.push_back(std::move(entry));
    }

    for (const Line& entry : lines_) {
        if (!entry.value) continue;
        if (entry.key == "Title") title_ = *entry.value;
        if (entry.key == "Major") major_ = ReadDecimal(*entry.value);
        if (entry.key == "Minor") minor_ = ReadDecimal(*entry.value);
        if (entry.key == "Build") build_ = ReadDecimal(*entry.value);
    }
    return true;
}

bool VersionInfo::Save() const {
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
    // Text mode, so Windows writes CR LF line ends.
    UniqueFile file = OpenFile(path_, "w");
    if (!file) return false;
    const bool written = WriteAll(file.get(), text);
    return std::fclose(file.release()) == 0 && written;
}
