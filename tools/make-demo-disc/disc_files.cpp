#include "disc_files.h"

namespace disc_files {

std::string screenshot(std::string_view id) { return "Menu\\shot_" + std::string(id) + ".jpg"; }

std::string tile(std::string_view id) { return "Menu\\btn_tile_" + std::string(id) + ".bmp"; }

std::string instruction(std::string_view id, std::string_view language) {
    return "docs\\" + std::string(id) + "_" + std::string(language) + ".txt";
}

}  // namespace disc_files
