#include <iostream>
#include <memory>

#include "commands.h"
#include "config/config_document.h"
#include "element_dump.h"
#include "exit_status.h"
#include "findings_output.h"
#include "vocabulary.h"

namespace {

struct DumpOptions {
    std::string file;
    bool json = false;
    bool binary = false;
};

bool NamesBinaryForm(const std::string& file) {
    return file.size() >= 4 &&
           EqualIgnoringCase(std::string_view(file).substr(file.size() - 4), ".bin");
}

void RunDump(const DumpOptions& options) {
    ConfigDocument document;
    const bool binary = options.binary || NamesBinaryForm(options.file);
    const int loaded = binary ? document.LoadBinary(options.file) : document.LoadText(options.file);
    if (loaded != 0) {
        std::cerr << "disckit: cannot read " << options.file << "\n";
        throw CLI::RuntimeError(exit_status::kUnreadable);
    }
    if (options.json) {
        std::cout << DumpJson(document);
    } else {
        std::cout << ForConsole(DumpText(document));
    }
}

}  // namespace

void AddDumpCommand(CLI::App& app) {
    auto options = std::make_shared<DumpOptions>();
    CLI::App* dump = app.add_subcommand(
        "dump", "Print the elements and items of a .dat or .bin file as the menu parses them");
    dump->add_option("FILE", options->file, "a configuration file")->required();
    dump->add_flag("--json", options->json, "print a JSON array (UTF-8)");
    dump->add_flag("--bin", options->binary, "read the byte-wise form whatever the file's name");
    dump->callback([options] { RunDump(*options); });
}
