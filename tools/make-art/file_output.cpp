#include "file_output.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

void write_file(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    write_file(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
