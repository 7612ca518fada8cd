#include "language_edit.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "attribute_edit.h"
#include "config/byte_units.h"
#include "config/colour.h"
#include "config_source.h"
#include "cp1250.h"
#include "dialogs/language_file.h"
#include "disc_files.h"
#include "element_lines.h"
#include "file_replace.h"
#include "loaded_text.h"
#include "starter_pictures.h"

namespace fs = std::filesystem;

namespace {

// Room between buttons of a row, and between rows, where the list gives none to copy.
constexpr int kGap = 20;
constexpr int kRowGap = 12;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Exists(const DiscFiles& disc, const std::string& name) {
    return disc.Resolve(name).kind != FileRef::Kind::kMissing;
}

std::optional<std::string> Read(const DiscFiles& disc, const std::string& name) {
    const FileRef ref = disc.Resolve(name);
    if (ref.kind == FileRef::Kind::kMissing || !LiesInside(disc.Root(), ref.path)) return {};
    return disc.Read(ref);
}

// Where a file of the disc is, or goes: found in the letter case the disc has.
fs::path PathOf(const DiscFiles& disc, const std::string& name) {
    const FileRef ref = disc.Resolve(name);
    if (ref.kind != FileRef::Kind::kMissing) return ref.path;
    const size_t slash = name.rfind('\\');
    if (slash == std::string::npos) return disc.Root() / name;
    const FileRef folder = disc.Resolve(name.substr(0, slash));
    const fs::path parent =
        folder.kind == FileRef::Kind::kMissing ? disc.Root() / name.substr(0, slash) : folder.path;
    return parent / name.substr(slash + 1);
}

// The index of the list's last language button among the elements.
std::optional<size_t> LastButton(const ConfigDocument& document) {
    for (size_t i = document.ElementCount(); i-- > 0;) {
        const ConfigElement& element = document.Elements()[i];
        if (element.Name() == "item" && element.AttributeValue("type") == "button") return i;
    }
    return std::nullopt;
}

std::optional<size_t> Window(const ConfigDocument& document) {
    for (size_t i = document.ElementCount(); i-- > 0;) {
        if (document.Elements()[i].Name() == "window") return i;
    }
    return std::nullopt;
}

// The new button beside the last one, or at the start of a new row when the row is full.
LanguageButton Placed(const LanguageFile& list) {
    const LanguageButton& last = list.buttons.back();
    const LanguageButton& first = list.buttons.front();
    LanguageButton placed = last;
    const LanguageButton* before =
        list.buttons.size() > 1 ? &list.buttons[list.buttons.size() - 2] : nullptr;
    const int step = before && before->y == last.y && before->x < last.x ? last.x - before->x
                                                                         : last.width + kGap;
    placed.x = last.x + step;
    if (placed.x + placed.width > list.width - first.x) {
        int rowStep = last.height + kRowGap;
        for (const LanguageButton& button : list.buttons) {
            if (button.y < last.y) rowStep = last.y - button.y;
        }
        placed.x = first.x;
        placed.y = last.y + rowStep;
    }
    return placed;
}

std::string Quoted(const std::string& value) {
    return value.find_first_of(" \t") == std::string::npos && !value.empty() ? value
                                                                             : "\"" + value + "\"";
}

Rgba DialogColour(const LanguageFile& list) {
    const uint32_t gdi = list.background.value_or(0xFFFFFF);
    return Rgba{static_cast<uint8_t>(gdi & 0xFF), static_cast<uint8_t>((gdi >> 8) & 0xFF),
                static_cast<uint8_t>((gdi >> 16) & 0xFF)};
}

}  // namespace

bool UsableLanguageCode(const std::string& code) {
    if (code.empty() || code.size() > 32) return false;
    for (const char c : code) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!plain) return false;
    }
    const std::string lower = Lower(code);
    for (const char* device : {"con", "prn", "aux", "nul"}) {
        if (lower == device) return false;
    }
    const bool numbered = lower.size() == 4 &&
                          (lower.starts_with("com") || lower.starts_with("lpt")) &&
                          lower[3] >= '0' && lower[3] <= '9';
    return !numbered;
}

LanguageOutcome AddLanguage(const fs::path& root, const NewLanguage& language) {
    const DiscFiles disc(root);
    const std::string& code = language.code;
    if (!UsableLanguageCode(code)) {
        return {"\"" + code + "\" cannot name the language's files: use letters, digits, - and _",
                {}};
    }
    const std::optional<std::string> listBytes = Read(disc, "Menu\\lang.dat");
    if (!listBytes) {
        return {Exists(disc, "Menu\\lang.bin") ? "the language list is only Menu\\lang.bin: "
                                                 "unpack it to Menu\\lang.dat first"
                                               : "the disc has no language list Menu\\lang.dat",
                {}};
    }
    ConfigDocument document;
    document.ParseText(LoadedText(*listBytes).Text());
    const LanguageFile list = ReadLanguageFile(document);
    const auto named = [&](const std::string& name) {
        return std::any_of(list.buttons.begin(), list.buttons.end(),
                           [&](const LanguageButton& b) { return Lower(b.name) == Lower(name); });
    };
    const std::string base = "Menu\\" + code;
    const std::string strip = "Menu\\lang_" + code + ".bmp";
    const std::string help = "pomoc_" + code + ".txt";
    if (named(code)) return {"the language list already offers " + code, {}};
    for (const std::string& name : {base + ".dat", base + ".bin", strip, help}) {
        if (Exists(disc, name)) return {name + " is already on the disc", {}};
    }
    if (!named(language.from)) return {"the language list offers no " + language.from, {}};
    const std::optional<size_t> last = LastButton(document);
    if (list.buttons.empty() || !last) return {"the language list has no button to copy", {}};
    std::optional<std::string> description = Read(disc, "Menu\\" + language.from + ".dat");
    if (!description) {
        if (const std::optional<std::string> units =
                Read(disc, "Menu\\" + language.from + ".bin")) {
            description = DecodeByteUnits(*units);
        }
    }
    if (!description) return {language.from + " has no menu description to copy", {}};

    const std::optional<std::string> caption =
        Utf8ToCp1250(language.caption.empty() ? code : language.caption);
    if (!caption || caption->find('"') != std::string::npos) {
        return {"the caption must be Windows-1250 text without a double quote", {}};
    }
    const LanguageButton place = Placed(list);
    EditedFile edited = InsertLines(
        *listBytes, *last + 1,
        "<item type=button name=" + code + " text=" + Quoted(*caption) + " image=\"" + strip +
            "\" positionX=" + std::to_string(place.x) + " positionY=" + std::to_string(place.y) +
            " width=" + std::to_string(place.width) + " height=" + std::to_string(place.height) +
            "/>");
    const int height = place.y + place.height + list.buttons.front().y;
    const std::optional<size_t> window = Window(document);
    if (edited.bytes && window && height > list.height) {
        edited = SetAttributes(*edited.bytes, *window, {{"height", std::to_string(height)}});
    }
    if (!edited.bytes) return {"Menu\\lang.dat: " + edited.refusal, {}};

    LanguageOutcome outcome;
    const std::optional<std::string> helpText = Read(disc, "pomoc_" + language.from + ".txt");
    const auto write = [&](const std::string& name, const std::string& bytes) {
        if (!ReplaceFile(PathOf(disc, name), bytes))
            throw std::runtime_error("cannot write " + name);
        outcome.lines.push_back("wrote " + name);
    };
    try {
        write(base + ".dat", *description);
        if (helpText) write(help, *helpText);
        write_language_strip(root, strip, DialogColour(list),
                             {place.x, place.y, place.width, place.height});
        outcome.lines.push_back("wrote " + strip);
        write("Menu\\lang.dat", *edited.bytes);
    } catch (const std::exception& failure) {
        return {failure.what(), outcome.lines};
    }
    if (!helpText)
        outcome.lines.push_back("pomoc_" + language.from + ".txt is missing: no help copied");
    return outcome;
}

LanguageOutcome RemoveLanguage(const fs::path& root, const std::string& code) {
    const DiscFiles disc(root);
    const std::optional<std::string> listBytes = Read(disc, "Menu\\lang.dat");
    if (!listBytes) return {"the disc has no language list Menu\\lang.dat", {}};
    ConfigDocument document;
    document.ParseText(LoadedText(*listBytes).Text());
    std::optional<size_t> button;
    for (size_t i = 0; i < document.ElementCount(); ++i) {
        const ConfigElement& element = document.Elements()[i];
        if (element.Name() == "item" && element.AttributeValue("name") == code) button = i;
    }
    if (!button) return {"the language list offers no " + code, {}};
    const std::string image = document.Elements()[*button].AttributeValue("image");
    const EditedFile edited = DeleteElements(*listBytes, *button, 1);
    if (!edited.bytes) return {"Menu\\lang.dat: " + edited.refusal, {}};
    if (!ReplaceFile(PathOf(disc, "Menu\\lang.dat"), *edited.bytes)) {
        return {"cannot write Menu\\lang.dat", {}};
    }
    LanguageOutcome outcome;
    outcome.lines.push_back("took " + code + " out of Menu\\lang.dat");
    for (const std::string& name :
         {"Menu\\" + code + ".dat", "Menu\\" + code + ".bin", "pomoc_" + code + ".txt", image}) {
        if (!name.empty() && Exists(disc, name)) outcome.lines.push_back("left " + name);
    }
    return outcome;
}
