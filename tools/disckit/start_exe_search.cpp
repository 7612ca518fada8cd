#include "start_exe_search.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

struct Place {
    const char* folder;  // relative to disckit's folder
    const char* name;
};

// The relative folders come from the install layout and the presets' build/<preset>/bin.
constexpr Place kPlaces[] = {
    {".", "beside disckit"},
    {DISCKIT_INSTALLED_MENU_DIR, "installed with disckit"},
    {"../../windows32/bin", "of the windows32 build"},
};

}  // namespace

fs::path ToolFolder() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return {};
    return fs::path(buffer, buffer + length).parent_path();
#else
    std::error_code error;
    const fs::path self = fs::canonical("/proc/self/exe", error);
    return error ? fs::path() : self.parent_path();
#endif
}

std::optional<FoundStartExe> FindStartExe(const fs::path& toolFolder) {
    if (toolFolder.empty()) return std::nullopt;
    for (const Place& place : kPlaces) {
        const fs::path candidate = (toolFolder / place.folder / "start.exe").lexically_normal();
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) return FoundStartExe{candidate, place.name};
    }
    return std::nullopt;
}

std::string Describe(const FoundStartExe& found) {
    return "start.exe " + found.place + " (" + found.path.string() + ")";
}
