#include "language_file.h"

#include "config_line.h"
#include "disc_files.h"
#include "layout.h"
#include "theme.h"

std::string language_file() {
    std::string out = ConfigLine("window")
                          .number("width", layout::kLanguageWidth)
                          .number("height", layout::kLanguageHeight)
                          .text("bgcolor", colour_text(theme::kLanguageDialog))
                          .str();
    out += button_item("en", "English", disc_files::kEnglishFlag, layout::kLanguageButtons[0]);
    out += button_item("pl", "Polski", disc_files::kPolishFlag, layout::kLanguageButtons[1]);
    return out;
}
