#include "picture_name.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// Longer names are cut, so that the Menu folder's paths stay well inside Windows' limits.
constexpr size_t kMaxStemLength = 64;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view BaseName(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view Stem(std::string_view name) { return name.substr(0, name.rfind('.')); }

// One "_" for each character outside the safe set; a UTF-8 character counts once.
std::string SafeCharacters(std::string_view text) {
    std::string safe;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80) {
            safe += c;
        } else if (c == '-' || c == '_' || c == '.') {
            safe += c;
        } else if ((byte & 0xC0) != 0x80) {
            safe += '_';
        }
    }
    return safe;
}

// Windows opens a device for these names whatever extension follows them.
bool IsDeviceName(std::string_view stem) {
    static constexpr std::array<std::string_view, 22> kDevices{
        "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
        "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};
    const std::string device = Lower(stem.substr(0, stem.find('.')));
    return std::find(kDevices.begin(), kDevices.end(), device) != kDevices.end();
}

std::string CleanStem(std::string_view uploadName) {
    std::string stem = SafeCharacters(Stem(BaseName(uploadName)));
    const size_t first = stem.find_first_not_of('.');
    stem = first == std::string::npos ? "" : stem.substr(first, kMaxStemLength);
    while (!stem.empty() && stem.back() == '.') stem.pop_back();
    if (stem.empty()) return "picture";
    if (IsDeviceName(stem)) stem.insert(std::min(stem.find('.'), stem.size()), "_");
    return stem;
}

}  // namespace

std::string StoredPictureName(std::string_view uploadName, std::string_view extension,
                              const std::vector<std::string>& taken) {
    std::vector<std::string> takenLower;
    for (const std::string& name : taken) takenLower.push_back(Lower(name));
    const std::string stem = CleanStem(uploadName);
    std::string name = stem + std::string(extension);
    for (int number = 2;
         std::find(takenLower.begin(), takenLower.end(), Lower(name)) != takenLower.end();
         ++number) {
        name = stem + "_" + std::to_string(number) + std::string(extension);
    }
    return name;
}
