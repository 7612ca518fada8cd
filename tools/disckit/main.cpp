#include <CLI/CLI.hpp>

#include "commands.h"

int main(int argc, char** argv) {
    CLI::App app{"disckit: checks a Discmenu disc and converts its configuration files"};
    app.require_subcommand(1);
    // Paths such as /work/disc are arguments, not Windows-style "/option"s.
    app.allow_windows_style_options(false);
    AddCheckCommand(app);
    AddDumpCommand(app);
    AddPackCommand(app);
    AddUnpackCommand(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
