#include "harness/disc_folder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace e2e {
namespace {

// A folder of the temp directory that did not exist before this call.
std::string CreateUniqueFolder() {
    char temp[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temp directory");

    static std::atomic<unsigned> counter{0};
    const std::string prefix = std::string(temp) + "discmenu-e2e-" +
                               std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(GetTickCount()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string path = prefix + std::to_string(counter++);
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    throw std::runtime_error("cannot create a folder in " + std::string(temp));
}

}  // namespace

DiscFolder::DiscFolder(const std::string& source) : root_(CreateUniqueFolder()) {
    try {
        std::filesystem::copy(source, root_, std::filesystem::copy_options::recursive);
    } catch (...) {
        DeleteTree();
        throw;
    }
}

DiscFolder::~DiscFolder() { DeleteTree(); }

DiscFolder::DiscFolder(DiscFolder&& other) noexcept : root_(std::exchange(other.root_, {})) {}

DiscFolder& DiscFolder::operator=(DiscFolder&& other) noexcept {
    if (this != &other) {
        DeleteTree();
        root_ = std::exchange(other.root_, {});
    }
    return *this;
}

std::string DiscFolder::PathOf(std::string_view relative) const {
    return root_ + "\\" + std::string(relative);
}

void DiscFolder::Write(std::string_view relative, std::string_view bytes) const {
    const std::filesystem::path path = PathOf(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

void DiscFolder::WriteSparse(std::string_view relative, std::uintmax_t size) const {
    Write(relative, "");
    std::filesystem::resize_file(PathOf(relative), size);
}

void DiscFolder::Remove(std::string_view relative) const {
    if (std::filesystem::remove_all(PathOf(relative)) == 0) {
        throw std::runtime_error("nothing to remove at " + PathOf(relative));
    }
}

void DiscFolder::DeleteTree() noexcept {
    if (root_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
    root_.clear();
}

}  // namespace e2e
