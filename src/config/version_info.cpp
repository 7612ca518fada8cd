#include "config/version_info.h"

#include <new>

#include "config/decimal.h"
#include "config/file_handle.h"
#include "config/text_file.h"

bool VersionInfo::Load(const std::string& path) {
    path_ = path;
    const size_t before = lines_.size();
    try {
        const std::optional<std::vector<std::string>> text = ReadTextLines(path);
        if (!text) return false;
        for (const std::string& line : *text) {
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
        SetFields();
        return true;
    } catch (const std::bad_alloc&) {
        // Lines that do not fit in memory: a file that cannot be read, which changes nothing.
        lines_.resize(before);
        return false;
    }
}

// The last line of each known key wins. Only the title's copy can fail, before any field
// has changed.
void VersionInfo::SetFields() {
    const std::string* values[4] = {};
    const char* const keys[4] = {"Title", "Major", "Minor", "Build"};
    for (const Line& entry : lines_) {
        for (int i = 0; i < 4; ++i) {
            if (entry.value && entry.key == keys[i]) values[i] = &*entry.value;
        }
    }
    if (values[0]) title_ = *values[0];
    int32_t* const numbers[3] = {&major_, &minor_, &build_};
    for (int i = 0; i < 3; ++i) {
        if (values[i + 1]) *numbers[i] = ReadDecimal(*values[i + 1]);
    }
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
