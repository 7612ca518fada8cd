#include <iostream>
#include <memory>
#include <string>

#include "commands.h"
#include "exit_status.h"
#include "language_edit.h"

namespace {

struct LanguageOptions {
    std::string disc;
    NewLanguage language;
};

void Report(const LanguageOutcome& outcome, const std::string& command) {
    for (const std::string& line : outcome.lines) std::cout << line << '\n';
    if (!outcome.refusal.empty()) {
        std::cerr << "disckit language " << command << ": " << outcome.refusal << '\n';
        throw CLI::RuntimeError(exit_status::kProblems);
    }
}

}  // namespace

void AddLanguageCommand(CLI::App& app) {
    auto options = std::make_shared<LanguageOptions>();
    CLI::App* command =
        app.add_subcommand("language", "Add a language to a disc, or take one out of its list");
    command->require_subcommand(1);

    CLI::App* add = command->add_subcommand(
        "add", "Copy a language's description and help for CODE and add its button to the list");
    add->add_option("DISC_DIR", options->disc, "the folder holding the disc's Menu folder")
        ->required();
    add->add_option("CODE", options->language.code, "the new language: Menu\\CODE.dat")->required();
    add->add_option("--from", options->language.from, "the language to copy")->required();
    add->add_option("--name", options->language.caption, "the button's caption (default: CODE)");
    add->callback([options] { Report(AddLanguage(options->disc, options->language), "add"); });

    CLI::App* remove = command->add_subcommand(
        "remove", "Take CODE's button out of the language list; its files stay");
    remove->add_option("DISC_DIR", options->disc, "the folder holding the disc's Menu folder")
        ->required();
    remove->add_option("CODE", options->language.code, "the language")->required();
    remove->callback(
        [options] { Report(RemoveLanguage(options->disc, options->language.code), "remove"); });
}
