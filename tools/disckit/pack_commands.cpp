#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "commands.h"
#include "config/byte_units.h"
#include "config/text_file.h"
#include "exit_status.h"

namespace {

struct ConvertOptions {
    std::string input;
    std::string output;
};

std::string Read(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        std::cerr << "disckit: cannot read " << path << "\n";
        throw CLI::RuntimeError(exit_status::kUnreadable);
    }
    return std::move(*bytes);
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "disckit: cannot write " << path << "\n";
        throw CLI::RuntimeError(exit_status::kProblems);
    }
}

std::string WithExtension(const std::string& path, const char* extension) {
    return std::filesystem::path(path).replace_extension(extension).string();
}

// The file's bytes, each as one unit of the byte-wise form, as ConfigDocument::SaveBinary
// writes a loaded text.
void RunPack(const ConvertOptions& options) {
    const std::string text = Read(options.input);
    if (text.find('\0') != std::string::npos) {
        std::cerr << "disckit: warning: " << options.input
                  << " holds zero bytes, which the byte-wise form drops when it is read\n";
    }
    Write(options.output.empty() ? WithExtension(options.input, ".bin") : options.output,
          EncodeByteUnits(text));
}

// The characters of the byte-wise form as the loader reads them, an odd last byte included.
void RunUnpack(const ConvertOptions& options) {
    const std::string units = Read(options.input);
    if (units.size() % 2 != 0) {
        std::cerr << "disckit: warning: " << options.input
                  << " has an odd length; its last byte is read as one more character\n";
    }
    Write(options.output.empty() ? WithExtension(options.input, ".dat") : options.output,
          DecodeByteUnits(units));
}

}  // namespace

void AddPackCommand(CLI::App& app) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* pack = app.add_subcommand("pack", "Write the byte-wise .bin form of a .dat file");
    pack->add_option("FILE", options->input, "the .dat file")->required();
    pack->add_option("-o,--output", options->output, "the .bin file (FILE with .bin by default)");
    pack->callback([options] { RunPack(*options); });
}

void AddUnpackCommand(CLI::App& app) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* unpack = app.add_subcommand("unpack", "Write the text .dat form of a .bin file");
    unpack->add_option("FILE", options->input, "the .bin file")->required();
    unpack->add_option("-o,--output", options->output, "the .dat file (FILE with .dat by default)");
    unpack->callback([options] { RunUnpack(*options); });
}
