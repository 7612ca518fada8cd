#include "disc_files.h"

#include <algorithm>
#include <system_error>

#include "config/text_file.h"
#include "cp1250.h"
#include "vocabulary.h"

namespace fs = std::filesystem;

namespace {

std::string EntryName(const fs::path& path) {
    try {
        return path.filename().string();
    } catch (const std::system_error&) {
        return {};
    }
}

std::vector<std::string> SplitPath(std::string_view text) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : text) {
        if (c == '\\' || c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

}  // namespace

std::string HostFileName(std::string_view configName) {
#ifdef _WIN32
    return std::string(configName);
#else
    return Cp1250ToUtf8(configName);
#endif
}

bool IsAddress(std::string_view target) {
    auto startsWith = [&](std::string_view prefix) {
        return target.size() >= prefix.size() &&
               EqualIgnoringCase(target.substr(0, prefix.size()), prefix);
    };
    return target.find("://") != std::string_view::npos || startsWith("www.") ||
           startsWith("mailto:");
}

DiscFiles::DiscFiles(fs::path root) : root_(std::move(root)) {}

const std::vector<std::string>& DiscFiles::Listing(const fs::path& folder) const {
    auto found = listings_.find(folder);
    if (found != listings_.end()) return found->second;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.push_back(EntryName(it->path()));
    }
    std::sort(names.begin(), names.end());
    return listings_.emplace(folder, std::move(names)).first->second;
}

FileRef DiscFiles::Resolve(std::string_view configPath) const {
    FileRef ref;
    const bool drive = configPath.size() >= 2 && configPath[1] == ':';
    if (configPath.empty() || drive || configPath.front() == '\\' || configPath.front() == '/') {
        ref.kind = FileRef::Kind::kNotOnDisc;
        return ref;
    }
    std::vector<std::string> found;
    bool caseDiffers = false;
    const std::vector<std::string> parts = SplitPath(configPath);
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part == "." || (part.empty() && i + 1 < parts.size())) continue;
        if (part == "..") {
            if (found.empty()) {
                ref.kind = FileRef::Kind::kNotOnDisc;
                return ref;
            }
            found.pop_back();
            continue;
        }
        fs::path folder = root_;
        for (const std::string& name : found) folder /= name;
        const std::string wanted = HostFileName(part);
        const std::vector<std::string>& names = Listing(folder);
        if (std::binary_search(names.begin(), names.end(), wanted)) {
            found.push_back(wanted);
            continue;
        }
        auto match = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
            return EqualIgnoringCase(name, wanted);
        });
        if (wanted.empty() || match == names.end()) return ref;
        caseDiffers = true;
        found.push_back(*match);
    }
    ref.kind = caseDiffers ? FileRef::Kind::kCaseDiffers : FileRef::Kind::kFound;
    ref.path = root_;
    for (const std::string& name : found) {
        ref.path /= name;
        ref.onDisc += (ref.onDisc.empty() ? "" : "/") + name;
    }
    return ref;
}

std::optional<std::string> DiscFiles::Read(const FileRef& file) const {
    if (file.kind != FileRef::Kind::kFound && file.kind != FileRef::Kind::kCaseDiffers) return {};
    std::error_code error;
    if (!fs::is_regular_file(file.path, error)) return {};
    return ReadFileBytes(file.path.string(), kNoSizeLimit);
}

std::vector<std::string> DiscFiles::AllEntries() const {
    std::vector<std::string> entries;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root_, error), end; !error && it != end;
         it.increment(error)) {
        std::string relative;
        try {
            relative = fs::relative(it->path(), root_).generic_string();
        } catch (const std::system_error&) {
            continue;
        }
        entries.push_back(relative);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}
