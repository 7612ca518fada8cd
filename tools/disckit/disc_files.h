#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A file named by a configuration text, looked up on the disc as Windows would find it.
struct FileRef {
    enum class Kind {
        kFound,        // exactly as written
        kCaseDiffers,  // only a name differing in letter case is there
        kMissing,
        kNotOnDisc,  // empty, a full path or one leading out of the disc
    };

    Kind kind = Kind::kMissing;
    std::filesystem::path path;  // the file found, for kFound and kCaseDiffers
    std::string onDisc;          // its name relative to the disc folder, "/" between folders
};

// The files of a disc folder. Configuration texts name files relative to the disc's root with
// "\" between folders, in Windows-1250; Windows looks them up without regard to letter case.
class DiscFiles {
public:
    explicit DiscFiles(std::filesystem::path root);

    const std::filesystem::path& Root() const { return root_; }
    FileRef Resolve(std::string_view configPath) const;
    // The file's bytes, or nothing when it cannot be read.
    std::optional<std::string> Read(const FileRef& file) const;
    // Every file and folder below the root, relative and with "/" between folders.
    std::vector<std::string> AllEntries() const;

private:
    const std::vector<std::string>& Listing(const std::filesystem::path& folder) const;

    std::filesystem::path root_;
    mutable std::map<std::filesystem::path, std::vector<std::string>> listings_;
};

// A configuration text's file name in the encoding of this system's file names.
std::string HostFileName(std::string_view configName);

// True for texts the shell opens as addresses rather than files ("https://...", "www...").
bool IsAddress(std::string_view target);
