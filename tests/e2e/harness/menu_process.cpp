#include "harness/menu_process.h"

#include <stdexcept>

namespace e2e {
namespace {
constexpr std::chrono::milliseconds kTerminateTimeout{5000};
}

MenuProcess::MenuProcess(const std::string& program, const std::string& folder) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + program + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
    // Only the process handle is kept; the thread one closes here.
    UniqueKernelHandle thread(info.hThread);
    process_ = UniqueKernelHandle(info.hProcess);
    id_ = info.dwProcessId;
}

MenuProcess::~MenuProcess() {
    if (!process_ || WaitForExit(std::chrono::milliseconds(0))) return;
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), static_cast<DWORD>(kTerminateTimeout.count()));
}

std::optional<DWORD> MenuProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
    return code;
}

}  // namespace e2e
