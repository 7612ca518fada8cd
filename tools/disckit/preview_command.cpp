#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "config_source.h"
#include "dialogs/language_file.h"
#include "disc_check.h"
#include "disc_files.h"
#include "exit_status.h"
#include "menu_preview.h"
#include "preview_fonts.h"

namespace fs = std::filesystem;

namespace {

struct PreviewOptions {
    std::string disc;
    std::string output;
    std::string language;
    PreviewState state;
    int page = 1;
    int application = 0;
    int hover = 0;
};

std::string Counted(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// The check's verdict in one line, so that a picture of a broken disc is not taken for a
// sound one.
void PrintCheckSummary(const fs::path& disc) {
    const DiscCheck check = CheckDisc(disc);
    const int errors = check.findings.Count(Severity::kError);
    const int warnings = check.findings.Count(Severity::kWarning);
    if (errors + warnings == 0) return;
    std::cerr << Counted(errors, "error") << ", " << Counted(warnings, "warning")
              << ": run disckit check\n";
}

[[noreturn]] void Fail(const std::string& message, int status) {
    std::cerr << "disckit preview: " << message << "\n";
    throw CLI::RuntimeError(status);
}

void RunPreview(PreviewOptions& options) {
    const DiscFiles disc(options.disc);
    const std::optional<ConfigSource> languages =
        ConfigSource::Load(disc, "Menu\\lang.dat", "Menu\\lang.bin");
    if (!languages)
        Fail(options.disc + " holds no Menu/lang.dat or lang.bin", exit_status::kUnreadable);
    std::string language = options.language;
    if (language.empty()) {
        const LanguageFile file = ReadLanguageFile(languages->Document());
        if (file.buttons.empty())
            Fail("the language list offers no language", exit_status::kUnreadable);
        language = file.buttons.front().name;
    }
    const std::optional<ConfigSource> menu =
        ConfigSource::Load(disc, "Menu\\" + language + ".dat", "Menu\\" + language + ".bin");
    if (!menu) Fail("no Menu/" + language + ".dat or .bin", exit_status::kUnreadable);

    const std::optional<PreviewFonts> fonts = OpenPreviewFonts();
    if (!fonts)
        Fail("the Liberation Sans fonts are missing (Debian: fonts-liberation2)",
             exit_status::kProblems);
    options.state.page = options.page;
    if (options.application > 0) options.state.application = options.application;
    if (options.hover > 0) options.state.hover = options.hover;
    const std::optional<Raster> picture = RenderMenu(disc, menu->Document(), options.state, *fonts);
    if (!picture) Fail("no such menu, page or application", exit_status::kProblems);
    if (picture->width <= 0 || picture->height <= 0)
        Fail("the window has no size", exit_status::kProblems);
    if (!WritePng(*picture, options.output))
        Fail("cannot write " + options.output, exit_status::kProblems);
    PrintCheckSummary(options.disc);
}

}  // namespace

void AddPreviewCommand(CLI::App& app) {
    auto options = std::make_shared<PreviewOptions>();
    CLI::App* preview = app.add_subcommand(
        "preview", "Draw the main window of DISC_DIR as start.exe shows it, into a PNG file");
    preview->add_option("DISC_DIR", options->disc, "the folder holding the disc's Menu folder")
        ->required();
    preview->add_option("-o,--output", options->output, "the PNG file to write")->required();
    preview->add_option("--language", options->language,
                        "the language (default: the first of the language list)");
    preview->add_option("--menu", options->state.menu, "the menu selected (default: the first)");
    preview->add_option("--page", options->page, "the page of the menu, from 1")
        ->check(CLI::PositiveNumber);
    preview
        ->add_option("--application", options->application,
                     "the application selected, from 1 within the menu")
        ->check(CLI::PositiveNumber);
    preview->add_option("--hover", options->hover, "the control id drawn in its hover frame");
    preview->callback([options] { RunPreview(*options); });
}
