#include <CLI/CLI.hpp>

#include "commands.h"

int main(int argc, char** argv) {
    CLI::App app{"disckit: checks a Discmenu disc and converts its configuration files"};
    app.require_subcommand(1);
    AddCheckCommand(app);
    AddDumpCommand(app);
    AddPackCommand(app);
    AddUnpackCommand(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
