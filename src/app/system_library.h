#pragma once

#include <windows.h>

// A function of a system DLL that start-up does not need (shell, audio, video): the DLL is
// loaded from the system folder at the first lookup and stays loaded. Null when the DLL or the
// function is missing. Linking these DLLs would load them, and what they import, at every
// start.
FARPROC SystemProcedure(const char* library, const char* name);

template <class Function>
Function* SystemFunction(const char* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcedure(library, name)));
}

// The shell's "open" of a file, folder or address, shown normally: ShellExecuteA's result,
// SE_ERR_DLLNOTFOUND without the shell.
HINSTANCE ShellOpen(const char* target);
