#include "app/system_library.h"

#include <shellapi.h>

#include <string>

FARPROC SystemProcedure(const char* library, const char* name) {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder)) return nullptr;
    // The full path: never a DLL of the same name from the disc's own folder.
    const std::string path = std::string(folder, length) + "\\" + library;
    HMODULE module = LoadLibraryA(path.c_str());
    return module ? GetProcAddress(module, name) : nullptr;
}

HINSTANCE ShellOpen(const char* target) {
    static const auto shellExecute =
        SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (!shellExecute) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
    return shellExecute(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}
