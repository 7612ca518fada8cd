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
    out += ConfigLine("item")
               .word("type", "button")
               .word("name", "en")
               .text("text", "English")
               .text("image", disc_files::kEnglishFlag)
               .place(layout::kLanguageButtons[0])
               .str();
    out += ConfigLine("item")
               .word("type", "button")
               .word("name", "pl")
               .text("text", "Polski")
               .text("image", disc_files::kPolishFlag)
               .place(layout::kLanguageButtons[1])
               .str();
    return out;
}
