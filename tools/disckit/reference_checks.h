#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config_source.h"
#include "disc_files.h"
#include "finding.h"
#include "picture_info.h"

// Longest file name, relative to the disc's root, that Windows still opens once the drive is
// put in front of it: "D:\" plus 256 characters fill MAX_PATH (260) with the terminator.
inline constexpr size_t kMaxDiscPathLength = 256;

// Checks the files a configuration item names, reporting at that item.
class ReferenceChecker {
public:
    ReferenceChecker(const DiscFiles& disc, Findings& findings)
        : disc_(disc), findings_(findings) {}

    // The file named by the element's key, reported when missing (with the given severity),
    // when it is found only under another letter case, and when its path is too long.
    std::optional<FileRef> File(const ConfigSource& source, size_t element, std::string_view key,
                                std::string_view path, Severity missing);
    // A button's three-frame strip: a BMP three button widths wide and one button high.
    void ButtonStrip(const ConfigSource& source, size_t element, std::string_view key,
                     std::string_view image, int width, int height);
    // A picture the menu loads through the OLE picture service; its size when it is readable.
    std::optional<PictureInfo> Picture(const ConfigSource& source, size_t element,
                                       std::string_view key, std::string_view path);
    // A banner strip: frames of the banner's width side by side.
    void BannerStrip(const ConfigSource& source, size_t element, std::string_view image, int width);
    // A file or address opened through the shell; addresses and full paths are not checked.
    void Document(const ConfigSource& source, size_t element, std::string_view key,
                  std::string_view target);
    // A command line whose program must be on the disc.
    void CommandLine(const ConfigSource& source, size_t element, std::string_view key,
                     std::string_view commandLine);

    // The same for files that no configuration names (fixed names such as "Menu\menumain.jpg").
    std::optional<FileRef> FixedFile(std::string_view path) const;

private:
    const DiscFiles& disc_;
    Findings& findings_;
};
