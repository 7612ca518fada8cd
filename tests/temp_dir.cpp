#include "temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("discmenu-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempDir::Sparse(std::string_view name, std::uintmax_t size) const {
    const std::string path = Write(name, "");
    std::filesystem::resize_file(path, size);
    return path;
}

std::string TempDir::Path(std::string_view name) const { return (root_ / name).string(); }

std::string TempDir::Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
