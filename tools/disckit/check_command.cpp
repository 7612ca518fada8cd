#include <iostream>
#include <memory>

#include "commands.h"
#include "disc_check.h"
#include "exit_status.h"
#include "findings_output.h"

namespace {

struct CheckOptions {
    std::string disc;
    bool json = false;
    bool strict = false;
};

void RunCheck(const CheckOptions& options) {
    const DiscCheck check = CheckDisc(options.disc);
    if (options.json) {
        std::cout << FindingsJson(check.findings);
    } else {
        PrintFindings(check.findings, std::cout);
    }
    if (check.unreadable) throw CLI::RuntimeError(exit_status::kUnreadable);
    const int errors = check.findings.Count(Severity::kError);
    const int warnings = check.findings.Count(Severity::kWarning);
    if (errors > 0 || (options.strict && warnings > 0)) {
        throw CLI::RuntimeError(exit_status::kProblems);
    }
}

}  // namespace

void AddCheckCommand(CLI::App& app) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* check = app.add_subcommand(
        "check", "Read DISC_DIR as the menu would and report what shows wrong or not at all");
    check->add_option("DISC_DIR", options->disc, "the folder holding the disc's Menu folder")
        ->required();
    check->add_flag("--json", options->json, "print the findings as JSON (UTF-8)");
    check->add_flag("--strict", options->strict, "fail on warnings too");
    check->callback([options] { RunCheck(*options); });
}
