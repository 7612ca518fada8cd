#pragma once

#include <string>
#include <string_view>

// A command line cut into the program and the text handed to it.
struct CommandLineParts {
    std::string program;
    std::string arguments;
};

// Splits a command line the way CreateProcess documents it: after any leading spaces and
// tabs, a quoted program runs to the closing quote (to the end when the quote is never
// closed) and loses its quotes; an unquoted one runs to the first space or tab. The
// arguments are the rest, less the blanks that separate them from the program, otherwise
// byte for byte. CreateProcess's own retries of longer prefixes for unquoted paths with
// spaces are not imitated.
CommandLineParts SplitCommandLine(std::string_view commandLine);
