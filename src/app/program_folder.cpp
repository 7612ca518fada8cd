#include "app/program_folder.h"

#include <vector>

#include "app/path_folder.h"

std::string ProgramFolder(HINSTANCE instance) {
    std::vector<char> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(instance, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) return DirectoryOfPath(std::string(name.data(), length)) + "\\";
        name.resize(name.size() * 2);
    }
}
