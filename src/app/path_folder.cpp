#include "app/path_folder.h"

#include <cstring>

std::string DirectoryOfPath(std::string_view path) {
    const std::size_t last = path.rfind('\\');
    if (last == std::string_view::npos) return ".";
    std::size_t end = last;
    if (end > 0 && path[end - 1] == '\\') --end;
    return std::string(path.substr(0, end));
}

bool DirectoryOfPath(const char* source, char* destination, std::size_t size) {
    if (size == 0) return false;
    std::memset(destination, 0, size);
    const std::string folder = DirectoryOfPath(std::string_view(source));
    if (folder.size() >= size) return false;
    std::memcpy(destination, folder.data(), folder.size());
    return true;
}
