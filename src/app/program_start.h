#pragma once

#include <windows.h>

#include <string>

#include "app/command_line.h"

// CreateProcessA's error for a program that must run with administrator rights; MinGW's
// winerror.h lacks ERROR_ELEVATION_REQUIRED.
constexpr DWORD kElevationRequired = 740;

// Starts the command line with CreateProcessA, the program shown normally, and closes the
// process and thread handles at once. 0 when the program runs, else the Win32 error.
DWORD CreateProgramProcess(const std::string& commandLine);

// Starts the program through the shell's "open" action, which asks for administrator rights
// when the program requires them. False when it did not start; the shell shows nothing.
bool StartThroughShell(const CommandLineParts& parts);
