#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "exit_status.h"
#include "starter_disc.h"

namespace {

struct NewOptions {
    std::string dir;
    std::vector<std::string> languages{"pl", "en"};
};

}  // namespace

void AddNewCommand(CLI::App& app) {
    auto options = std::make_shared<NewOptions>();
    CLI::App* command = app.add_subcommand(
        "new", "Write a starter disc (menus, pictures, help, autorun.inf) into a new folder");
    command->add_option("DIR", options->dir, "Folder to create; it must not hold any file")
        ->required();
    command
        ->add_option("--languages", options->languages,
                     "Languages of the disc, comma-separated, first shown first")
        ->delimiter(',')
        ->capture_default_str();
    command->callback([options] {
        try {
            WriteStarterDisc(std::filesystem::path(options->dir), options->languages);
        } catch (const StarterDiscError& error) {
            std::cerr << "disckit new: " << error.what() << '\n';
            throw CLI::RuntimeError(exit_status::kProblems);
        }
        std::cout << "Wrote a starter disc to " << options->dir
                  << "; put start.exe beside its autorun.inf.\n";
    });
}
