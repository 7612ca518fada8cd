#include "dialogs/language_step.h"

#include <windows.h>

#include "config/config_document.h"
#include "dialogs/language_list.h"
#include "dialogs/language_request.h"

int ChooseLanguage(LanguageRequest& request) {
    ConfigDocument document;
    if (document.LoadText("Menu\\lang.dat") == -1 && document.LoadBinary("Menu\\lang.bin") == -1) {
        MessageBoxA(nullptr, "Nie znaleziono pliku konfiguracyjnego języka.", nullptr, MB_OK);
        return 0;
    }
    const std::vector<std::string> names = LanguageNames(document);
    if (names.empty()) return 0;
    request.language = names.front();
    return 1;
}
