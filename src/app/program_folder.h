#pragma once

#include <windows.h>

#include <string>

// The folder of the module's executable with a trailing backslash, however long its path;
// pictures of the disc are read from there.
std::string ProgramFolder(HINSTANCE instance);
