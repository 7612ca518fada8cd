#include <CLI/CLI.hpp>

#include "commands.h"
#include "version.h"

int main(int argc, char** argv) {
    CLI::App app{
        "disckit: checks, creates and packs Discmenu discs and converts their configuration files"};
    app.set_version_flag("--version", "disckit " DISCMENU_VERSION_TEXT);
    app.require_subcommand(1);
    // Paths such as /work/disc are arguments, not Windows-style "/option"s.
    app.allow_windows_style_options(false);
    AddCheckCommand(app);
    AddDumpCommand(app);
    AddPackCommand(app);
    AddUnpackCommand(app);
    AddNewCommand(app);
    AddLanguageCommand(app);
#ifdef DISCKIT_WITH_LINUX_LIBRARIES
    AddIsoCommand(app);
    AddDesignCommand(app);
#endif
    AddPreviewCommand(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
