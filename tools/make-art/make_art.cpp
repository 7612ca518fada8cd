// Draws the start banner and the program icon: make-art OUTPUT_DIR writes banner_intro.bmp and
// discmenu.ico there.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "banner.h"
#include "bmp_writer.h"
#include "ico_writer.h"
#include "icon.h"

namespace {

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

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
