#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "version.dat": key=value lines giving the product title and a three-part version.
class VersionInfo {
public:
    // One line of the file. A line without "=" has no value and sets nothing.
    struct Line {
        std::string key;
        std::optional<std::string> value;
    };

    // True when the file could be opened and read (text mode: up to its first Ctrl-Z); the
    // last line of a known key wins. False changes nothing.
    bool Load(const std::string& path);
    // From the file's text as ReadTextFile gives it; false, changing nothing, when its lines
    // do not fit in memory.
    bool Parse(std::string_view text);
    // Writes the lines back with the current fields in the known keys' lines.
    bool Save() const;
    // What Save writes, each line ended by LF.
    std::string SavedText() const;

    // Where Load traces each line read (standard output at first); null for no trace.
    void SetTrace(std::FILE* trace) { trace_ = trace; }

    const std::string& Title() const { return title_; }
    int32_t Major() const { return major_; }
    int32_t Minor() const { return minor_; }
    int32_t Build() const { return build_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    void SetMajor(int32_t major) { major_ = major; }
    void SetMinor(int32_t minor) { minor_ = minor; }
    void SetBuild(int32_t build) { build_ = build; }

    const std::vector<Line>& Lines() const { return lines_; }

private:
    std::string path_;
    std::string title_;
    int32_t major_ = 0;
    int32_t minor_ = 0;
    int32_t build_ = 0;
    std::vector<Line> lines_;
    std::FILE* trace_ = stdout;
};
