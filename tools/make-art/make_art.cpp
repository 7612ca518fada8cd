// Draws the start banner and the program icon: make-art OUTPUT_DIR writes banner_intro.bmp and
// discmenu.ico there.
#include <exception>
#include <filesystem>
#include <iostream>

#include "banner.h"
#include "bmp_writer.h"
#include "file_output.h"
#include "ico_writer.h"
#include "icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-art OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        write_file(dir / "banner_intro.bmp", encode_bmp(draw_banner()));
        write_file(dir / "discmenu.ico", encode_ico({draw_icon(16), draw_icon(32), draw_icon(48)}));
    } catch (const std::exception& error) {
        std::cerr << "make-art: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
