#pragma once

#include <cstdint>
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
    // A file of that size, written as a hole where the file system has them (a huge file costs
    // no disk then); returns its path.
    std::string Sparse(std::string_view name, std::uintmax_t size) const;
    std::string Path(std::string_view name) const;
    static std::string Read(const std::string& path);

private:
    std::filesystem::path root_;
};
