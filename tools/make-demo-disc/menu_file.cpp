#include "menu_file.h"

#include <string_view>

#include "config_line.h"
#include "disc_files.h"
#include "layout.h"
#include "theme.h"

namespace {

constexpr std::string_view kSite = "https://discmenu.example/";

std::string language_code(Language language) { return language == Language::english ? "en" : "pl"; }

std::string button(std::string_view name, std::string_view caption, std::string_view image,
                   const Rect& place) {
    ConfigLine line("item");
    line.word("type", "button").word("name", name);
    if (!caption.empty()) {
        line.text("text", caption);
    }
    return line.text("image", image).place(place).str();
}

std::string fixed_items(Language language) {
    const auto in = [language](Localized text) { return text.in(language); };
    std::string out;
    out += button("close", "", disc_files::kClose, layout::kClose);
    out += button("minimize", "", disc_files::kMinimize, layout::kMinimize);
    out += button("help", "", disc_files::kHelp, layout::kHelp);
    out += button("star", "", disc_files::kStar, layout::kStar);
    out += button("story", "", disc_files::kStory, layout::kStory);

    out += ConfigLine("item")
               .word("type", "text")
               .word("name", "title")
               .text("bgcolor", colour_text(theme::kTitleField))
               .place(layout::kTitle)
               .str();
    out += ConfigLine("item")
               .word("type", "text")
               .word("name", "description")
               .text("bgcolor", colour_text(theme::kDescriptionField))
               .place(layout::kDescription)
               .str();
    out += ConfigLine("item")
               .word("type", "image")
               .word("name", "screen")
               .place(layout::kScreen)
               .str();

    out += button("install", in({"Install", "Instaluj"}), disc_files::kInstall, layout::kInstall);
    out += button("run", in({"Run", "Uruchom"}), disc_files::kRun, layout::kInstall);
    out += button("instruction", in({"Instruction", "Instrukcja"}), disc_files::kInstruction,
                  layout::kInstruction);
    out += button("www", "WWW", disc_files::kWww, layout::kWww);
    out += button("buy", in({"Buy", "Kup"}), disc_files::kBuy, layout::kBuy);
    out += button("prev", in({"< Prev", "< Wstecz"}), disc_files::kPage, layout::kPrevious);
    out += button("next", in({"Next >", "Dalej >"}), disc_files::kPage, layout::kNext);
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
        line.text("instruction", "docs\\" + std::string(app.id) + "_" + code + ".txt");
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
