// The language dialog's model built from a "Menu\lang.dat".
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_document.h"
#include "dialogs/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    document.ParseText(std::string(reinterpret_cast<const char*>(data), size));
    const LanguageFile file = ReadLanguageFile(document);
    for (size_t i = 0; i < file.buttons.size(); ++i) {
        if (file.buttons[i].id != kFirstLanguageButtonId + static_cast<int>(i)) __builtin_trap();
    }
    return 0;
}
