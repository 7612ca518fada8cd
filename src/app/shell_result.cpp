#include "app/shell_result.h"

std::optional<std::string> ShellFailureCaption(std::intptr_t result) {
    switch (result) {
        case 0:
            return "The operating system is out of memory or resources.";
        case 2:
            return "The specified file was not found.";
        case 3:
            return "The specified path was not found.";
        case 11:
            return "The .exe file is invalid (non-Microsoft Win32® .exe or error in .exe image).";
        default:
            return std::nullopt;
    }
}
