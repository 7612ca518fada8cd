#include "starter_files.h"

namespace starter_files {

std::string menu_description(std::string_view language) {
    return "Menu\\" + std::string(language) + ".dat";
}

std::string help_text(std::string_view language) {
    return "pomoc_" + std::string(language) + ".txt";
}

std::string readme(std::string_view language) { return "readme_" + std::string(language) + ".txt"; }

std::string language_button(std::string_view language) {
    return "Menu\\lang_" + std::string(language) + ".bmp";
}

}  // namespace starter_files
