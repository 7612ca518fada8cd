#pragma once

#include <CLI/CLI.hpp>

// `disckit new DIR [--languages pl,en]`: writes a starter disc into DIR.
void AddNewCommand(CLI::App& app);
