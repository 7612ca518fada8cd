#include "document_from_text.h"

#include "temp_dir.h"

ConfigDocument DocumentFromText(std::string_view text) {
    TempDir dir;
    ConfigDocument document;
    document.LoadText(dir.Write("menu.dat", text));
    return document;
}
