#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "commands.h"
#include "exit_status.h"
#include "start_exe_search.h"
#include "starter_disc.h"

namespace fs = std::filesystem;

namespace {

struct NewOptions {
    std::string dir;
    std::vector<std::string> languages{"pl", "en"};
};

// Puts the start.exe disckit finds beside the disc's autorun.inf; says which, or that the
// author has to.
void AddStartExe(const fs::path& dir) {
    const std::optional<FoundStartExe> found = FindStartExe(ToolFolder());
    if (!found) {
        std::cout << "Found no start.exe beside disckit, installed with it or built; put one "
                     "beside the disc's autorun.inf.\n";
        return;
    }
    std::error_code error;
    fs::copy_file(found->path, dir / "start.exe", error);
    if (error) {
        std::cerr << "disckit: cannot copy " << found->path.string() << ": " << error.message()
                  << '\n';
        throw CLI::RuntimeError(exit_status::kProblems);
    }
    std::cout << "The disc got " << Describe(*found) << ".\n";
}

}  // namespace

void WriteNewDisc(const std::string& dir, const std::vector<std::string>& languages,
                  const std::string& command) {
    try {
        WriteStarterDisc(fs::path(dir), languages);
    } catch (const StarterDiscError& error) {
        std::cerr << "disckit " << command << ": " << error.what() << '\n';
        throw CLI::RuntimeError(exit_status::kProblems);
    }
    std::cout << "Wrote a starter disc to " << dir << ".\n";
    AddStartExe(dir);
}

void AddNewCommand(CLI::App& app) {
    auto options = std::make_shared<NewOptions>();
    CLI::App* command = app.add_subcommand(
        "new",
        "Write a starter disc (menus, pictures, help, autorun.inf, start.exe) into a new folder");
    command->add_option("DIR", options->dir, "Folder to create; it must not hold any file")
        ->required();
    command
        ->add_option("--languages", options->languages,
                     "Languages of the disc, comma-separated, first shown first")
        ->delimiter(',')
        ->capture_default_str();
    command->callback([options] { WriteNewDisc(options->dir, options->languages, "new"); });
}
