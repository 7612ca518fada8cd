#include "menu_file.h"

#include <string_view>

#include "config_line.h"
#include "disc_files.h"
#include "layout.h"
#include "theme.h"

namespace {

constexpr std::string_view kSite = "https://discmenu.example/";

std::string language_code(Language language) { return language == Language::english ? "en" : "pl"; }

std::string fixed_items(Language language) {
    const auto in = [language](Localized text) { return text.in(language); };
    std::string out;
    out += button_item("close", "", disc_files::kClose, layout::kClose);
    out += button_item("minimize", "", disc_files::kMinimize, layout::kMinimize);
    out += button_item("help", "", disc_files::kHelp, layout::kHelp);
    out += button_item("star", "", disc_files::kStar, layout::kStar);
    out += button_item("story", "", disc_files::kStory, layout::kStory);

    out += text_field_item("title", theme::kTitleField, layout::kTitle);
    out += text_field_item("description", theme::kDescriptionField, layout::kDescription);
    out += ConfigLine("item")
               .word("type", "image")
               .word("name", "screen")
               .place(layout::kScreen)
               .str();

    out +=
        button_item("install", in({"Install", "Instaluj"}), disc_files::kInstall, layout::kInstall);
    out += button_item("run", in({"Run", "Uruchom"}), disc_files::kRun, layout::kInstall);
    out += button_item("instruction", in({"Instruction", "Instrukcja"}), disc_files::kInstruction,
                       layout::kInstruction);
    out += button_item("www", "WWW", disc_files::kWww, layout::kWww);
    out += button_item("buy", in({"Buy", "Kup"}), disc_files::kBuy, layout::kBuy);
    out += button_item("prev", in({"< Prev", "< Wstecz"}), disc_files::kPage, layout::kPrevious);
    out += button_item("next", in({"Next >", "Dalej >"}), disc_files::kPage, layout::kNext);
    return out;
}

std::string banners() {
    std::string out;
    out += ConfigLine("item")
               .word("type", "banner")
               .word("name", "reklama")
               .text("image", disc_files::kAnimatedBanner)
               .place(layout::kAnimatedBanner)
               .number("timer", 500)
               .str();
    out += ConfigLine("item")
               .word("type", "banner")
               .word("name", "lista")
               .text("image", disc_files::kListBanner)
               .place(layout::kListBanner)
               .str();
    out += ConfigLine("item")
               .word("type", "banner")
               .word("name", "www")
               .text("text", kSite)
               .text("image", disc_files::kLinkBanner)
               .place(layout::kLinkBanner)
               .str();
    return out;
}

std::string application(const Application& app, Language language) {
    const std::string code = language_code(language);
    ConfigLine line("application");
    line.word("type", app.category)
        .text("title", app.title.in(language))
        .text("description", app.description.in(language))
        .text("exec", app.exec);
    if (!app.execopen.empty()) {
        line.word("execopen", app.execopen);
    }
    if (app.instruction) {
        line.text("instruction", disc_files::instruction(app.id, code));
    }
    if (app.www) {
        line.text("www", std::string(kSite) + code + "/" + std::string(app.id));
    }
    if (app.buy) {
        line.text("buy", std::string(kSite) + "shop/" + std::string(app.id));
    }
    return line.text("screen", disc_files::screenshot(app.id)).str();
}

// A category's menu, its button templates and its applications, in the order the menu reads
// them.
std::string category(const Category& category, const Rect& place, Language language) {
    std::string out = ConfigLine("menu")
                          .word("name", category.name)
                          .text("text", category.caption.in(language))
                          .text("image", disc_files::kCategory)
                          .place(place)
                          .str();
    std::size_t tiles = 0;
    std::string members;
    for (const Application& app : applications()) {
        if (app.category != category.name) {
            continue;
        }
        if (category.tiles) {
            out += ConfigLine("menuitem")
                       .word("parent", category.name)
                       .text("text", app.title.in(language))
                       .text("image", disc_files::tile(app.id))
                       .place(layout::kTiles.at(tiles++))
                       .str();
        }
        members += application(app, language);
    }
    if (!category.tiles) {
        out += ConfigLine("menuitem")
                   .word("parent", category.name)
                   .text("image", disc_files::kApplication)
                   .place(layout::kApplicationSlot)
                   .number("maxitems", layout::kApplicationsPerPage)
                   .str();
    }
    return out + members;
}

}  // namespace

std::string menu_file(Language language) {
    std::string out = ConfigLine("window")
                          .text("title", "Discmenu demo")
                          .number("width", layout::kWindowWidth)
                          .number("height", layout::kWindowHeight)
                          .word("intro", "true")
                          .word("outro", "true")
                          .str();
    out += fixed_items(language);
    out += banners();
    const auto all = categories();
    for (std::size_t i = 0; i < all.size(); ++i) {
        out += category(all[i], layout::kCategories.at(i), language);
    }
    return out;
}
