#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test's files, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes the bytes to a file of the folder and returns the file's path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    std::string Path(std::string_view name) const;
    static std::string Read(const std::string& path);

private:
    std::filesystem::path root_;
};
