#pragma once

#include <string>
#include <string_view>
#include <vector>

// The name under which a picture the author uploaded as `uploadName` (UTF-8, as the browser
// gave it) is kept in the Menu folder: its base name only, every character but ASCII letters,
// digits and "-_." made "_", the extension `extension` (".jpg"), never empty nor a Windows
// device name, and numbered ("name_2.jpg") until no name in `taken` matches it, case
// ignored as Windows ignores it.
std::string StoredPictureName(std::string_view uploadName, std::string_view extension,
                              const std::vector<std::string>& taken);
