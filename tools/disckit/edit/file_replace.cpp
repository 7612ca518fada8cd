#include "file_replace.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

bool LiesInside(const fs::path& folder, const fs::path& path) {
    std::error_code error;
    const fs::path root = fs::canonical(folder, error);
    if (error) return false;
    const fs::path full = fs::weakly_canonical(path, error);
    if (error) return false;
    const fs::path relative = full.lexically_relative(root);
    return !relative.empty() && *relative.begin() != ".." && relative.is_relative();
}

bool ReplaceFile(const fs::path& path, std::string_view bytes) {
    std::random_device random;
    const fs::path temporary =
        path.parent_path() / ("." + path.filename().string() + "." + std::to_string(random()));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!error) fs::permissions(temporary, status.permissions(), error);
    fs::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}
