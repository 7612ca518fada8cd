#include "app/launch.h"

#include <cstdint>

#include "app/command_line.h"
#include "app/program_start.h"
#include "app/shell_result.h"
#include "app/system_library.h"

void RunProgram(const std::string& commandLine) {
    RunProgramWith(commandLine, CreateProgramProcess);
}

void RunProgramWith(const std::string& commandLine, ProcessCreator createProcess) {
    const DWORD error = createProcess(commandLine);
    if (error == 0) return;
    // Installers that want administrator rights refuse CreateProcess; the shell shows the
    // elevation prompt for them.
    if (error == kElevationRequired && StartThroughShell(SplitCommandLine(commandLine))) return;
    MessageBoxA(nullptr, commandLine.c_str(), "Błąd podczas uruchamiania programu.",
                MB_ICONERROR | MB_OK);
}

void OpenDocument(const std::string& target) {
    const auto result = reinterpret_cast<std::intptr_t>(ShellOpen(target.c_str()));
    if (const auto caption = ShellFailureCaption(result)) {
        MessageBoxA(nullptr, target.c_str(), caption->c_str(), MB_ICONERROR | MB_OK);
    }
}
