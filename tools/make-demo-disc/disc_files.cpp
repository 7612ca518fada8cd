#include "disc_files.h"

#include <algorithm>

namespace disc_files {

std::string screenshot(std::string_view id) { return "Menu\\shot_" + std::string(id) + ".jpg"; }

std::string tile(std::string_view id) { return "Menu\\btn_tile_" + std::string(id) + ".bmp"; }

std::filesystem::path on_disc(const std::filesystem::path& disc, std::string_view name) {
    std::string relative(name);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return disc / relative;
}

}  // namespace disc_files
