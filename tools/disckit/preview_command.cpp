#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "config_source.h"
#include "dialogs/language_file.h"
#include "disc_check.h"
#include "disc_files.h"
#include "exit_status.h"
#include "contact_sheet.h"
#include "language_preview.h"
#include "app/main_window_settings.h"
#include "menu/menu_model.h"
#include "menu/start_options.h"
#include "menu_preview.h"
#include "picture_cache.h"
#include "preview_fonts.h"

namespace fs = std::filesystem;

namespace {

struct PreviewOptions {
    std::string disc;
    std::string output;
    std::string language;
    PreviewState state;
    bool sheet = false;
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

std::optional<ConfigSource> LoadMenu(const DiscFiles& disc, const std::string& language) {
    return ConfigSource::Load(disc, "Menu\\" + language + ".dat", "Menu\\" + language + ".bin");
}

// Larger windows would not fit in memory as a picture; no screen shows them whole anyway.
constexpr int kMaxWindowSide = 16384;

void ExpectDrawableWindow(const ConfigDocument& document) {
    const MainWindowSettings settings = ReadMainWindowSettings(document, nullptr);
    if (settings.width > kMaxWindowSide || settings.height > kMaxWindowSide) {
        Fail("a window of " + std::to_string(settings.width) + " x " +
                 std::to_string(settings.height) + " pixels is too large to draw",
             exit_status::kProblems);
    }
}

void Write(const Raster& picture, const std::string& output) {
    if (picture.width <= 0 || picture.height <= 0) {
        Fail("the window has no size", exit_status::kProblems);
    }
    if (!WritePng(picture, output)) Fail("cannot write " + output, exit_status::kProblems);
}

// Every screen of the language: each menu's every page, in the state selecting the menu
// leaves it, then the closing picture when the menu shows one.
void AddLanguageTiles(const DiscFiles& disc, const std::string& language, const PreviewFonts& fonts,
                      Pictures& pictures, std::vector<SheetTile>& tiles) {
    const std::optional<ConfigSource> menu = LoadMenu(disc, language);
    if (!menu) return;
    ExpectDrawableWindow(menu->Document());
    const MenuModel model = BuildMenuModel(menu->Document());
    std::vector<std::string> names;
    for (const Menu& each : model.menus) names.push_back(each.name);
    if (names.empty()) names.push_back("");
    for (const std::string& name : names) {
        for (int page = 1;; ++page) {
            PreviewState state;
            state.menu = name;
            state.page = page;
            std::optional<Raster> picture = RenderMenu(menu->Document(), state, fonts, pictures);
            if (!picture) break;
            tiles.push_back({language + " - " + (name.empty() ? "no menu" : name) + " - page " +
                                 std::to_string(page),
                             std::move(*picture)});
        }
    }
    if (ReadStartOptions(menu->Document()).outro) {
        if (const Raster* outro = pictures.Get("Menu\\outro.jpg")) {
            tiles.push_back({language + " - closing picture", *outro});
        }
    }
}

void RunPreview(PreviewOptions& options) {
    const DiscFiles disc(options.disc);
    const std::optional<ConfigSource> languages =
        ConfigSource::Load(disc, "Menu\\lang.dat", "Menu\\lang.bin");
    if (!languages) {
        Fail(options.disc + " holds no Menu/lang.dat or lang.bin", exit_status::kUnreadable);
    }
    const LanguageFile languageFile = ReadLanguageFile(languages->Document());
    std::vector<std::string> names;
    if (!options.language.empty()) names.push_back(options.language);
    for (const LanguageButton& button : languageFile.buttons) {
        if (options.language.empty()) names.push_back(button.name);
    }
    if (names.empty()) Fail("the language list offers no language", exit_status::kUnreadable);
    const std::optional<PreviewFonts> fonts = OpenPreviewFonts();
    if (!fonts) {
        Fail("the fonts to draw with are missing (on Linux: Debian's fonts-liberation2)",
             exit_status::kProblems);
    }

    if (options.sheet) {
        std::vector<SheetTile> tiles;
        Pictures pictures(disc);
        if (std::optional<Raster> dialog =
                RenderLanguageDialog(languageFile, pictures, fonts->caption)) {
            tiles.push_back({"language dialog", std::move(*dialog)});
        }
        for (const std::string& name : names) {
            AddLanguageTiles(disc, name, *fonts, pictures, tiles);
        }
        if (tiles.empty()) Fail("no screen to draw", exit_status::kProblems);
        Write(ComposeSheet(tiles, fonts->caption), options.output);
    } else {
        const std::optional<ConfigSource> menu = LoadMenu(disc, names.front());
        if (!menu) Fail("no Menu/" + names.front() + ".dat or .bin", exit_status::kUnreadable);
        ExpectDrawableWindow(menu->Document());
        Pictures pictures(disc);
        const std::optional<Raster> picture =
            RenderMenu(menu->Document(), options.state, *fonts, pictures);
        if (!picture) Fail("no such menu, page or application", exit_status::kProblems);
        Write(*picture, options.output);
    }
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
    preview->add_option("--page", options->state.page, "the page of the menu, from 1")
        ->check(CLI::PositiveNumber);
    preview
        ->add_option("--application", options->state.application,
                     "the application selected, from 1 within the menu")
        ->check(CLI::PositiveNumber);
    preview->add_option("--hover", options->state.hover, "the control id drawn in its hover frame");
    preview->add_flag("--sheet", options->sheet,
                      "draw every screen of the disc into one contact sheet instead");
    preview->callback([options] { RunPreview(*options); });
}
