// Draws and writes the bundled demo disc: make-demo-disc DISC_DIR fills DISC_DIR with the menu
// files, help texts, version file, autorun.inf, the documents and stand-in programs the
// applications open, pictures, button bitmaps and the audio player.
#include <exception>
#include <filesystem>
#include <iostream>

#include "autorun.h"
#include "catalogue.h"
#include "disc_documents.h"
#include "disc_buttons.h"
#include "disc_files.h"
#include "disc_pictures.h"
#include "file_output.h"
#include "help_file.h"
#include "language_file.h"
#include "menu_file.h"
#include "player.h"

namespace {

void write_texts(const std::filesystem::path& disc) {
    write_file(disc / disc_files::kAutorun, autorun_inf("Discmenu demo"));
    write_file(disc / "version.dat", "Title=Discmenu demo\nMajor=1\nMinor=0\nBuild=1\n");
    write_file(disc / "Menu" / "lang.dat", language_file());
    write_file(disc / "Menu" / "en.dat", menu_file(Language::english));
    write_file(disc / "Menu" / "pl.dat", menu_file(Language::polish));
    write_file(disc / "pomoc_en.txt", help_file(Language::english));
    write_file(disc / "pomoc_pl.txt", help_file(Language::polish));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-demo-disc DISC_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path disc = argv[1];
        std::filesystem::create_directories(disc / "Menu");
        write_texts(disc);
        write_documents(disc);
        write_pictures(disc);
        write_buttons(disc);
        write_player(disc);
    } catch (const std::exception& error) {
        std::cerr << "make-demo-disc: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
