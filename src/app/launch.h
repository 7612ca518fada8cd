#pragma once

#include <windows.h>

#include <string>

// Starts a program from a command line as the menu holds it and returns at once. A program
// that needs administrator rights is started through the shell, which asks for them; when
// nothing starts, a box shows the command line.
void RunProgram(const std::string& commandLine);

// Hands a file, document or web address to the shell's "open" action and returns at once.
// A missing file or path, a broken program or a lack of memory is shown in a box; any other
// failure passes without a word.
void OpenDocument(const std::string& target);

// RunProgram with the process creation given, so that tests can fail it as Windows does.
using ProcessCreator = DWORD (*)(const std::string& commandLine);
void RunProgramWith(const std::string& commandLine, ProcessCreator createProcess);
