#include "starter_config.h"

#include "autorun.h"
#include "config_line.h"
#include "starter_files.h"
#include "starter_layout.h"
#include "starter_texts.h"

namespace sl = starter_layout;

namespace {

constexpr std::string_view kDiscTitle = "My disc";
constexpr std::string_view kWebAddress = "https://example.com/";

std::string field(std::string_view type, std::string_view name, const Rect& place) {
    return ConfigLine("item").word("type", type).word("name", name).place(place).str();
}

// A category with its one button template; the templates come before the applications, which
// take their buttons from them.
std::string category(std::string_view name, std::string_view caption, const Rect& place) {
    return ConfigLine("menu")
               .word("name", name)
               .text("text", caption)
               .text("image", starter_files::kCategory)
               .place(place)
               .str() +
           ConfigLine("menuitem")
               .word("parent", name)
               .text("image", starter_files::kApplication)
               .place(sl::kApplicationSlot)
               .number("maxitems", sl::kApplicationsPerPage)
               .str();
}

ConfigLine application(std::string_view category_name, std::string_view title,
                       std::string_view description, std::string_view screen) {
    ConfigLine line("application");
    line.word("type", category_name)
        .text("title", title)
        .text("description", description)
        .text("screen", screen);
    return line;
}

std::string window_controls(const StarterTexts& texts) {
    return button_item("close", "", starter_files::kClose, sl::kClose) +
           button_item("minimize", "", starter_files::kMinimize, sl::kMinimize) +
           button_item("help", "", starter_files::kHelp, sl::kHelp) +
           button_item("star", "", starter_files::kAbout, sl::kAbout) +
           text_field_item("title", sl::kTitleField, sl::kTitle) +
           text_field_item("description", sl::kDescriptionField, sl::kDescription) +
           field("image", "screen", sl::kScreen) +
           button_item("install", texts.install, starter_files::kInstall, sl::kInstall) +
           button_item("run", texts.run, starter_files::kRun, sl::kInstall) +
           button_item("instruction", texts.instruction, starter_files::kInstruction,
                       sl::kInstruction) +
           button_item("www", texts.www, starter_files::kWww, sl::kWww);
}

}  // namespace

int language_dialog_height(std::size_t count) {
    const auto rows = static_cast<int>((count + 1) / 2);
    return 2 * sl::kLanguageMargin + rows * sl::kLanguageRow -
           (sl::kLanguageRow - sl::kLanguageButtonHeight);
}

Rect language_button_place(std::size_t index) {
    const auto column = static_cast<int>(index % 2);
    const auto row = static_cast<int>(index / 2);
    return {sl::kLanguageMargin +
                column * (sl::kLanguageWidth - 2 * sl::kLanguageMargin - sl::kLanguageButtonWidth),
            sl::kLanguageMargin + row * sl::kLanguageRow, sl::kLanguageButtonWidth,
            sl::kLanguageButtonHeight};
}

std::string starter_language_file(const std::vector<std::string>& languages) {
    std::string out = ConfigLine("window")
                          .number("width", sl::kLanguageWidth)
                          .number("height", language_dialog_height(languages.size()))
                          .text("bgcolor", colour_text(sl::kLanguageDialog))
                          .str();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        out += button_item(languages[i], language_caption(languages[i]),
                           starter_files::language_button(languages[i]), language_button_place(i));
    }
    return out;
}

std::string starter_menu_file(std::string_view language) {
    const StarterTexts texts = starter_texts(language);
    const std::string readme = starter_files::readme(language);
    const std::string help = starter_files::help_text(language);
    std::string out = ConfigLine("window")
                          .text("title", texts.window_title)
                          .number("width", sl::kWindowWidth)
                          .number("height", sl::kWindowHeight)
                          .str();
    out += window_controls(texts);
    out += category("start", texts.first_category, sl::kCategories[0]);
    out += application("start", texts.readme_title, texts.readme_description,
                       starter_files::kReadmeShot)
               .text("exec", readme)
               .word("execopen", "open")
               .text("www", kWebAddress)
               .str();
    out += application("start", texts.help_title, texts.help_description, starter_files::kHelpShot)
               .text("exec", help)
               .word("execopen", "open")
               .text("instruction", readme)
               .str();
    out += category("web", texts.second_category, sl::kCategories[1]);
    out += application("web", texts.web_title, texts.web_description, starter_files::kWebShot)
               .text("www", kWebAddress)
               .str();
    return out;
}

std::string starter_autorun() { return autorun_inf(kDiscTitle); }

std::string starter_version() {
    return "Title=" + std::string(kDiscTitle) + "\nMajor=1\nMinor=0\nBuild=1\n";
}
