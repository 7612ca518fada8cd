#include "config/version_info.h"

#include <fstream>

#include "config/decimal.h"
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
            *trace_ << "Key: " << entry.key << " Value: " << entry.value.value_or("") << std::endl;
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
    std::ofstream file(path_, std::ios::trunc);
    if (!file.is_open()) return false;
    for (const Line& entry : lines_) {
        file << entry.key;
        if (entry.value) {
            file << '=';
            if (entry.key == "Title") {
                file << title_;
            } else if (entry.key == "Major") {
                file << major_;
            } else if (entry.key == "Minor") {
                file << minor_;
            } else if (entry.key == "Build") {
                file << build_;
            } else {
                file << *entry.value;
            }
        }
        file << '\n';
    }
    return file.good();
}
