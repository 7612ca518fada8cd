#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "autorun_file.h"
#include "commands.h"
#include "disc_check.h"
#include "disc_image.h"
#include "exit_status.h"
#include "findings_output.h"
#include "start_exe_search.h"

namespace fs = std::filesystem;

namespace {

// Images at least this large show how far writing has come.
constexpr uint64_t kProgressFrom = 16ull << 20;

struct IsoOptions {
    std::string disc;
    std::string output;
    std::string exe;
    std::string label;
    bool force = false;
};

// The given program, else the one disckit finds when the image needs one; says which.
fs::path StartExeFor(const IsoOptions& options) {
    if (!options.exe.empty() || !NeedsStartExe(options.disc)) return options.exe;
    const std::optional<FoundStartExe> found = FindStartExe(ToolFolder());
    if (!found) {
        std::cerr << "disckit iso: found no start.exe beside disckit, installed with it or built\n";
        return {};
    }
    std::cout << "disckit iso: the image gets " << Describe(*found) << "\n";
    return found->path;
}

// "disc" for "/media/disc/" as well as "/media/disc".
std::string FolderName(const std::string& path) {
    fs::path folder = fs::absolute(path).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();
    return folder.filename().string();
}

// SOURCE_DATE_EPOCH, when set, dates the image and its files.
std::optional<int64_t> FixedTime() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text) return std::nullopt;
    const char* end = text + std::strlen(text);
    int64_t seconds = 0;
    const auto [stop, failure] = std::from_chars(text, end, seconds);
    if (failure != std::errc() || stop != end || seconds < 0) {
        std::cerr << "disckit iso: SOURCE_DATE_EPOCH \"" << text
                  << "\" is not a number of seconds\n";
        throw CLI::RuntimeError(exit_status::kProblems);
    }
    return seconds;
}

void ShowProgress(uint64_t written, uint64_t total, int& shownPercent) {
    if (total < kProgressFrom) return;
    const int percent = static_cast<int>(written * 100 / total);
    if (percent == shownPercent) return;
    shownPercent = percent;
    std::cerr << "\rdisckit iso: " << percent << " % of " << (total >> 20) << " MiB"
              << (written == total ? "\n" : "") << std::flush;
}

void RunIso(const IsoOptions& options) {
    const DiscCheck check = CheckDisc(options.disc);
    PrintFindings(check.findings, std::cout);
    if (check.unreadable) throw CLI::RuntimeError(exit_status::kUnreadable);
    if (check.findings.Count(Severity::kError) > 0 && !options.force) {
        std::cerr << "disckit iso: the disc has errors; correct them, or give --force to write "
                     "the image anyway\n";
        throw CLI::RuntimeError(exit_status::kProblems);
    }

    DiscImageOptions image;
    image.discDir = options.disc;
    image.output = options.output;
    image.exe = StartExeFor(options);
    image.time = FixedTime();
    image.label =
        options.label.empty() ? LabelFromFolderName(FolderName(options.disc)) : options.label;
    int shownPercent = -1;
    image.progress = [&](uint64_t written, uint64_t total) {
        ShowProgress(written, total, shownPercent);
    };
    if (const std::string problem = WriteDiscImage(image); !problem.empty()) {
        std::cerr << "disckit iso: " << problem << "\n";
        throw CLI::RuntimeError(exit_status::kProblems);
    }
    std::cout << "disckit iso: wrote " << options.output << " (label " << image.label << ")\n";
}

}  // namespace

void AddIsoCommand(CLI::App& app) {
    auto options = std::make_shared<IsoOptions>();
    CLI::App* iso = app.add_subcommand(
        "iso", "Check DISC_DIR, then write it as an ISO 9660 image with Joliet names");
    iso->add_option("DISC_DIR", options->disc, "the folder holding the disc's Menu folder")
        ->required();
    iso->add_option("-o,--output", options->output, "the image to write")->required();
    iso->add_option(
        "--exe", options->exe,
        "start.exe for a disc that has none (default: the one beside disckit, installed "
        "with it or built)");
    iso->add_option("--label", options->label,
                    "volume label, up to 16 letters, digits, '_', '-' or spaces "
                    "(default: from the folder's name)");
    iso->add_flag("--force", options->force, "write the image even when the check finds errors");
    iso->callback([options] { RunIso(*options); });
}
