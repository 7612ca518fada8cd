#include "starter_disc.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>

#include "disc_path.h"
#include "file_output.h"
#include "starter_config.h"
#include "starter_files.h"
#include "starter_pictures.h"
#include "starter_texts.h"

namespace {

// Language names become file names (Menu\<name>.dat, pomoc_<name>.txt) that must stay within
// the 64 characters a disc file system keeps.
constexpr std::size_t kLongestLanguage = 32;

bool IsNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void CheckLanguages(const std::vector<std::string>& languages) {
    if (languages.empty()) throw StarterDiscError("no language given");
    std::set<std::string> seen;
    for (const std::string& language : languages) {
        if (language.empty() || language.size() > kLongestLanguage ||
            !std::all_of(language.begin(), language.end(), IsNameCharacter)) {
            throw StarterDiscError("language \"" + language + "\" is not 1 to " +
                                   std::to_string(kLongestLanguage) +
                                   " letters, digits, '-' or '_'");
        }
        // Windows finds Menu\PL.dat and Menu\pl.dat as one file.
        if (!seen.insert(Lowered(language)).second) {
            throw StarterDiscError("language \"" + language + "\" is given twice");
        }
    }
}

void CheckFolder(const std::filesystem::path& dir) {
    std::error_code error;
    if (!std::filesystem::exists(dir, error)) return;
    if (!std::filesystem::is_directory(dir, error)) {
        throw StarterDiscError(dir.string() + " is not a folder");
    }
    if (!std::filesystem::is_empty(dir, error) || error) {
        throw StarterDiscError(dir.string() +
                               " is not empty; a starter disc goes into a new folder");
    }
}

void WriteTexts(const std::filesystem::path& dir, const std::vector<std::string>& languages) {
    write_file(on_disc(dir, starter_files::kAutorun), starter_autorun());
    write_file(on_disc(dir, starter_files::kVersion), starter_version());
    write_file(on_disc(dir, starter_files::kLanguages), starter_language_file(languages));
    for (const std::string& language : languages) {
        const StarterTexts texts = starter_texts(language);
        write_file(on_disc(dir, starter_files::menu_description(language)),
                   starter_menu_file(language));
        write_file(on_disc(dir, starter_files::help_text(language)), texts.help);
        write_file(on_disc(dir, starter_files::readme(language)), texts.readme);
    }
}

}  // namespace

void WriteStarterDisc(const std::filesystem::path& dir, const std::vector<std::string>& languages) {
    CheckLanguages(languages);
    CheckFolder(dir);
    try {
        std::filesystem::create_directories(dir / "Menu");
        WriteTexts(dir, languages);
        write_starter_pictures(dir, languages);
    } catch (const std::exception& error) {
        throw StarterDiscError(error.what());
    }
}
