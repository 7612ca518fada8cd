#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ConfigDocument;

// The language buttons are numbered from here, one id per button in file order.
inline constexpr int kFirstLanguageButtonId = 300;

// One "item" of type "button": a language the user can pick.
struct LanguageButton {
    std::string name;  // base name of the menu description, Menu\<name>.dat
    std::string text;
    std::string image;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int id = 0;
};

// What the language dialog is made of.
struct LanguageFile {
    int width = 0;
    int height = 0;
    // GDI colour of the last "window" element with a usable "bgcolor"; nothing keeps white.
    std::optional<uint32_t> background;
    std::vector<LanguageButton> buttons;
};

struct DialogSize {
    int width = 0;
    int height = 0;

    bool operator==(const DialogSize&) const = default;
};

// The size the dialog shows at: the file's, or, when that leaves no area, the room its buttons
// take. Nothing when neither gives an area: such a dialog could be neither seen nor answered.
std::optional<DialogSize> ShownSize(const LanguageFile& file);

// Reads "Menu\lang.dat" / "Menu\lang.bin" content. A later "window" element sets the size
// again; a "bgcolor" of -1 or without its two ";" leaves the colour as it was.
LanguageFile ReadLanguageFile(const ConfigDocument& document);
