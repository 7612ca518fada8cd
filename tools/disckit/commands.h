#pragma once

#include <CLI/CLI.hpp>

// Each subcommand adds itself to the application; its callback ends with an exit status
// other than 0 by throwing CLI::RuntimeError(status).
void AddCheckCommand(CLI::App& app);
void AddDumpCommand(CLI::App& app);
void AddPackCommand(CLI::App& app);
void AddUnpackCommand(CLI::App& app);
void AddNewCommand(CLI::App& app);
void AddPreviewCommand(CLI::App& app);
// Disc images need libisofs, which only the Linux build has.
void AddIsoCommand(CLI::App& app);
// The designer's server needs Debian's cpp-httplib, which only the Linux build has.
void AddDesignCommand(CLI::App& app);
