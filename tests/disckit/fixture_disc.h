#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// A small disc that passes every check, held in memory so a test can break one thing in it
// before writing it out: one language, one menu with a paged list, a banner, the player.
class FixtureDisc {
public:
    FixtureDisc();

    // Replaces the first occurrence of the text in the file; the text must be there.
    void Edit(const std::string& file, std::string_view from, std::string_view to);
    void Set(const std::string& file, std::string content) { files_[file] = std::move(content); }
    void Remove(const std::string& file) { files_.erase(file); }
    std::string& Content(const std::string& file) { return files_.at(file); }

    void WriteTo(const std::filesystem::path& root) const;

private:
    std::map<std::string, std::string> files_;
};

// A 24-bit BMP and a baseline JPEG of the given size.
std::string BitmapFile(int width, int height);
std::string JpegFile(int width, int height);
