#include "disc_documents.h"

#include <string>

#include "catalogue.h"
#include "disc_files.h"
#include "disc_path.h"
#include "file_output.h"

namespace {

std::string instruction_text(const Application& app, Language language) {
    const std::string title(app.title.in(language));
    const std::string rule(title.size(), '=');
    const std::string_view note =
        language == Language::english
            ? "This manual belongs to the Discmenu demo disc; the program does not exist."
            : "Ta instrukcja należy do płyty demonstracyjnej Discmenu; program nie istnieje.";
    return title + "\r\n" + rule + "\r\n\r\n" + std::string(app.description.in(language)) +
           "\r\n\r\n" + std::string(note) + "\r\n";
}

// Batch files need the console's code page, so the stand-ins speak English only.
std::string stand_in(const Application& app) {
    return "@echo off\r\necho " + std::string(app.title.english) +
           ": the Discmenu demo disc holds no real program.\r\npause\r\n";
}

}  // namespace

void write_documents(const std::filesystem::path& disc) {
    for (const Application& app : applications()) {
        write_file(on_disc(disc, app.exec), stand_in(app));
        if (app.instruction) {
            write_file(on_disc(disc, disc_files::instruction(app.id, "en")),
                       instruction_text(app, Language::english));
            write_file(on_disc(disc, disc_files::instruction(app.id, "pl")),
                       instruction_text(app, Language::polish));
        }
    }
}
