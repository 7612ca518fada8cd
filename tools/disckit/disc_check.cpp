#include "disc_check.h"

#include <set>
#include <system_error>

#include "config/version_info.h"
#include "config_source.h"
#include "counterpart_checks.h"
#include "disc_layout_checks.h"
#include "file_read_checks.h"
#include "language_checks.h"
#include "app/main_window_settings.h"
#include "menu_checks.h"
#include "picture_info.h"
#include "player_checks.h"
#include "reference_checks.h"
#include "syntax_checks.h"
#include "vocabulary.h"

namespace {

// A picture the menu loads by a fixed name. A missing one is reported with the given
// severity and consequence.
void CheckFixedPicture(const DiscFiles& disc, Findings& findings, std::string_view path,
                       bool bitmap, Severity missing, const std::string& consequence) {
    const FileRef ref = disc.Resolve(path);
    std::string shown(path);
    for (char& c : shown) c = c == '\\' ? '/' : c;
    if (ref.kind != FileRef::Kind::kFound && ref.kind != FileRef::Kind::kCaseDiffers) {
        findings.Add(missing, shown, {}, "missing: " + consequence,
                     "put the picture at " + std::string(path) + " on the disc");
        return;
    }
    const std::optional<std::string> bytes = disc.Read(ref);
    const PictureInfo info = bytes ? ReadPictureInfo(*bytes) : PictureInfo{};
    const bool readable =
        bitmap ? info.format == PictureInfo::Format::kBitmap : IsOlePicture(info.format);
    if (!readable) {
        findings.Error(ref.onDisc, {},
                       std::string("not a picture the menu reads (") + FormatName(info.format) +
                           "): " + consequence,
                       bitmap ? "save it as a BMP bitmap" : "save it as JPEG");
    }
}

class DiscChecker {
public:
    explicit DiscChecker(const std::filesystem::path& root)
        : disc_(root), references_(disc_, result_.findings) {}

    DiscCheck Run() {
        std::error_code error;
        if (!std::filesystem::is_directory(disc_.Root(), error)) {
            Report().Error(disc_.Root().string(), {}, "not a folder that can be read",
                           "name the folder that holds the disc's Menu folder");
            result_.unreadable = true;
            return std::move(result_);
        }
        const std::optional<ConfigSource> languages =
            LoadConfig("Menu\\lang.dat", "Menu\\lang.bin");
        if (!languages) {
            Report().Error("Menu/lang.dat", {},
                           "no language list: the menu shows \"Nie znaleziono pliku "
                           "konfiguracyjnego języka.\" and ends",
                           "add Menu\\lang.dat with a <window> and one button per language");
            result_.unreadable = true;
            return std::move(result_);
        }
        CheckSyntax(*languages, LanguageVocabulary(), Report());
        std::vector<ButtonBinding> languageBindings;
        const std::vector<LanguageEntry> entries =
            CheckLanguageFile(*languages, references_, Report(), languageBindings);

        player_ = LoadConfig("Menu\\cda.dat", "Menu\\cda.bin");
        if (player_) {
            CheckSyntax(*player_, PlayerVocabulary(), Report());
            CheckPlayerFile(*player_, references_, Report(), playerBindings_);
            CheckFixedPicture(disc_, Report(), "Menu\\cdabg.bmp", true, Severity::kWarning,
                              "the player has no background");
        }
        CheckFileRead(disc_, "version.dat", ReadMode::kText, Report());
        CheckVersionFile(disc_, Report());
        const FileRef versionFile = disc_.Resolve("version.dat");
        version_.SetTrace(nullptr);
        hasVersion_ = !versionFile.path.empty() && version_.Load(versionFile.path.string());
        CheckFixedPicture(disc_, Report(), "Menu\\menumain.jpg", false, Severity::kWarning,
                          "the menu is drawn on white");

        std::set<std::string> done;
        std::vector<ConfigSource> descriptions;
        for (const LanguageEntry& entry : entries) {
            if (!done.insert(entry.name).second) continue;
            if (std::optional<ConfigSource> menu =
                    CheckLanguage(*languages, entry, languageBindings)) {
                descriptions.push_back(std::move(*menu));
            }
        }
        CheckCounterparts(descriptions, Report());
        CheckDiscLayout(disc_, Report());
        result_.findings.Sort();
        return std::move(result_);
    }

private:
    ::Findings& Report() { return result_.findings; }

    // A configuration file as the menu loads it, with what keeps the menu from reading it whole.
    std::optional<ConfigSource> LoadConfig(const std::string& textName,
                                           const std::string& binaryName) {
        CheckConfigRead(disc_, textName, binaryName, Report());
        return ConfigSource::Load(disc_, textName, binaryName);
    }

    // The language's description, once checked, when it could be read.
    std::optional<ConfigSource> CheckLanguage(const ConfigSource& languages,
                                              const LanguageEntry& entry,
                                              const std::vector<ButtonBinding>& languageBindings) {
        const std::string base = "Menu\\" + entry.name;
        std::optional<ConfigSource> menu = LoadConfig(base + ".dat", base + ".bin");
        if (!menu) {
            Report().Error(languages.File(), languages.ValuePosition(entry.element, "name"),
                           "language \"" + entry.name + "\" has no menu description " + base +
                               ".dat or .bin: the menu shows \"Nie znaleziono pliku "
                               "konfiguracyjnego: " +
                               base + ".bin.\"",
                           "add " + base + ".dat, or fix the language's name");
            return std::nullopt;
        }
        for (const char* extension : {".dat", ".bin"}) {
            const FileRef ref = disc_.Resolve(base + extension);
            if (ref.kind != FileRef::Kind::kCaseDiffers) continue;
            Report().Warning(languages.File(), languages.ValuePosition(entry.element, "name"),
                             "\"" + base + extension +
                                 "\" differs in letter case from the "
                                 "disc's \"" +
                                 ref.onDisc + "\"",
                             "name the language as its file is named");
        }
        CheckSyntax(*menu, MenuVocabulary(), Report());
        std::vector<ButtonBinding> bindings = languageBindings;
        const MenuFacts facts = CheckMenuDescription(*menu, references_, Report(), bindings);
        bindings.insert(bindings.end(), playerBindings_.begin(), playerBindings_.end());
        CheckBindings(bindings, Report());

        if (facts.helpButton) {
            const std::string help = "pomoc_" + entry.name + ".txt";
            const FileRef ref = disc_.Resolve(help);
            if (ref.kind == FileRef::Kind::kMissing) {
                Report().Warning(menu->File(), {},
                                 "the help button shows \"Couldn't read help file.\": " + help +
                                     " is not on the disc",
                                 "add " + help + " next to the Menu folder");
            } else {
                CheckFileRead(disc_, help, ReadMode::kText, Report());
            }
        }
        if (facts.playerButton && !player_) {
            Report().Error(menu->File(), {},
                           "the story button opens the audio player, but Menu\\cda.dat is "
                           "missing: it shows \"Nie znaleziono pliku konfiguracyjnego.\"",
                           "add Menu\\cda.dat, or remove the story button");
        }
        if (facts.outro) {
            CheckFixedPicture(disc_, Report(), "Menu\\outro.jpg", false, Severity::kError,
                              "outro=true shows an empty closing picture");
        }
        const std::string title = hasVersion_
                                      ? version_.Title() + " v" + std::to_string(version_.Major()) +
                                            "." + std::to_string(version_.Minor()) + " Build " +
                                            std::to_string(version_.Build())
                                      : facts.title;
        if (title.size() > kMaxWindowTitle) {
            Report().Warning(hasVersion_ ? "version.dat" : menu->File(), {},
                             "the window title is " + std::to_string(title.size()) +
                                 " characters long and is cut to " +
                                 std::to_string(kMaxWindowTitle),
                             "shorten the title");
        }
        return menu;
    }

    DiscCheck result_;
    DiscFiles disc_;
    ReferenceChecker references_;
    std::optional<ConfigSource> player_;
    std::vector<ButtonBinding> playerBindings_;
    VersionInfo version_;
    bool hasVersion_ = false;
};

}  // namespace

DiscCheck CheckDisc(const std::filesystem::path& root) { return DiscChecker(root).Run(); }
