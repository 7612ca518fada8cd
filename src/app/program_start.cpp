#include "app/program_start.h"

#include <shellapi.h>

#include <vector>

#include "app/handles.h"
#include "app/system_library.h"

DWORD CreateProgramProcess(const std::string& commandLine) {
    // CreateProcessA may write into its command line, so it gets a copy of its own.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    // Without the flag the system ignores wShowWindow.
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        return error != 0 ? error : ERROR_GEN_FAILURE;
    }
    const UniqueKernelHandle thread(process.hThread);
    const UniqueKernelHandle child(process.hProcess);
    return 0;
}

bool StartThroughShell(const CommandLineParts& parts) {
    if (parts.program.empty()) return false;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    // RunProgram reports the failure itself, in its own words.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = parts.program.c_str();
    info.lpParameters = parts.arguments.empty() ? nullptr : parts.arguments.c_str();
    info.nShow = SW_SHOWNORMAL;
    static const auto shellExecuteEx =
        SystemFunction<decltype(ShellExecuteExA)>("shell32.dll", "ShellExecuteExA");
    return shellExecuteEx && shellExecuteEx(&info) != FALSE;
}
