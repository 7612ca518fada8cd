#include "autorun.h"

std::string autorun_inf(std::string_view label) {
    return "[autorun]\r\nopen=start.exe\r\nicon=start.exe,0\r\nlabel=" + std::string(label) +
           "\r\n";
}
