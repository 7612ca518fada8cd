#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

// Each subcommand adds itself to the application; its callback ends with an exit status
// other than 0 by throwing CLI::RuntimeError(status).
void AddCheckCommand(CLI::App& app);
void AddDumpCommand(CLI::App& app);
void AddPackCommand(CLI::App& app);
void AddUnpackCommand(CLI::App& app);
void AddNewCommand(CLI::App& app);
void AddLanguageCommand(CLI::App& app);
// Writes the starter disc with a start.exe into a new or empty folder, as `disckit new` does,
// and says so; fails naming the command.
void WriteNewDisc(const std::string& dir, const std::vector<std::string>& languages,
                  const std::string& command);
void AddPreviewCommand(CLI::App& app);
// Disc images need libisofs, which only the Linux build has.
void AddIsoCommand(CLI::App& app);
// The designer's server needs Debian's cpp-httplib, which only the Linux build has.
void AddDesignCommand(CLI::App& app);
