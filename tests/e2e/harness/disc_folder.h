#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace e2e {

// A private copy of a disc folder in the temp directory; the whole tree goes with the object.
// Paths inside it are relative, with backslashes: "Menu\\en.dat".
class DiscFolder {
public:
    // Copies the source folder and everything under it. Throws when that fails.
    explicit DiscFolder(const std::string& source);
    ~DiscFolder();

    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;
    DiscFolder(DiscFolder&& other) noexcept;
    DiscFolder& operator=(DiscFolder&& other) noexcept;

    const std::string& Path() const { return root_; }
    std::string PathOf(std::string_view relative) const;

    // Writes exactly these bytes, replacing the file and creating missing folders.
    void Write(std::string_view relative, std::string_view bytes) const;
    // A file of that size written as a hole, so that gigabytes cost no disk.
    void WriteSparse(std::string_view relative, std::uintmax_t size) const;
    // Removes a file or a folder with its contents; throws when there is nothing to remove.
    void Remove(std::string_view relative) const;

private:
    void DeleteTree() noexcept;

    std::string root_;
};

}  // namespace e2e
