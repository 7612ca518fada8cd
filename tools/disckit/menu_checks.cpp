#include "menu_checks.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/main_window_settings.h"
#include "config/decimal.h"
#include "menu/menu_ids.h"
#include "menu/menu_model.h"
#include "value_checks.h"
#include "vocabulary.h"

namespace {

const std::vector<std::string_view> kItemTypes = {"button", "text", "image", "banner", "message"};
const std::vector<std::string_view> kButtonNames = {"star", "story",   "close", "minimize",
                                                    "help", "install", "run",   "instruction",
                                                    "www",  "buy",     "next",  "prev"};

struct MenuProgress {
    std::string name;
    size_t element = 0;
    size_t templates = 0;
    size_t applications = 0;
    std::vector<size_t> templateElements;
    bool reportedOverflow = false;
    bool reportedNoTemplate = false;
};

class MenuChecker {
public:
    MenuChecker(const ConfigSource& source, ReferenceChecker& references, Findings& findings,
                std::vector<ButtonBinding>& bindings)
        : source_(source), references_(references), findings_(findings), bindings_(bindings) {
        const std::vector<Menu> menus = BuildMenuModel(source.Document()).menus;
        menuCount_ = menus.size();
        for (const Menu& menu : menus) finalTemplates_.emplace(menu.name, menu.templates.size());
    }

    MenuFacts Run() {
        bool window = false;
        for (size_t i = 0; i < source_.Elements().size(); ++i) {
            const ConfigElement& element = source_.Elements()[i];
            const std::string tag = element.Name();
            if (tag == "window") {
                window = true;
                CheckWindow(i, element);
            } else if (tag == "item" || tag == "menu" || tag == "menuitem") {
                CheckItem(i, tag, element);
            } else if (tag == "application") {
                CheckApplication(i, element);
            }
        }
        if (!window) {
            findings_.Error(source_.File(), {}, "no <window> element: the main window is 0x0",
                            "add <window title=\"...\" width=800 height=600/>");
        }
        if (menus_.empty()) {
            findings_.Warning(source_.File(), {}, "no <menu> element: the menu has no categories",
                              "add <menu name=... text=... .../> with its <menuitem> and "
                              "<application> elements");
        }
        CheckPaging();
        CheckPlacement();
        return facts_;
    }

private:
    TextPosition At(size_t element) const { return source_.ElementPosition(element); }
    int Number(const ConfigElement& element, std::string_view key) const {
        return ReadDecimal(element.AttributeValue(key));
    }

    MenuProgress* FindMenu(const std::string& name) {
        for (MenuProgress& menu : menus_) {
            if (menu.name == name) return &menu;
        }
        return nullptr;
    }
    size_t IndexOf(const MenuProgress& menu) const {
        return static_cast<size_t>(&menu - menus_.data());
    }

    void CheckWindow(size_t i, const ConfigElement& element) {
        for (const char* key : {"intro", "outro"}) {
            CheckTrueFlag(source_, i, key, element.AttributeValue(key), findings_);
        }
        facts_.outro = element.AttributeValue("outro") == "true";
        facts_.title = element.AttributeValue("title");
        if (Number(element, "width") <= 0 || Number(element, "height") <= 0) {
            findings_.Error(source_.File(), At(i),
                            "the main window is " + std::to_string(Number(element, "width")) + "x" +
                                std::to_string(Number(element, "height")),
                            "give <window> a positive width and height");
        }
        const std::string icon = element.AttributeValue("icon");
        if (!icon.empty()) references_.File(source_, i, "icon", icon, Severity::kWarning);
    }

    void CheckItem(size_t i, const std::string& tag, const ConfigElement& element) {
        const std::string type = element.AttributeValue("type");
        const std::string name = element.AttributeValue("name");
        const bool typed = type == "button" || type == "text" || type == "image" ||
                           type == "banner" || (tag == "item" && type == "message");
        if (typed && tag != "item") {
            findings_.Warning(
                source_.File(), source_.KeyPosition(i, "type"),
                "<" + tag + "> with type=" + type + " makes a " + type + ", not a " + tag,
                "remove type= from <" + tag + ">, or write <item>");
        }
        if (type == "button") {
            CheckButton(i, element, name);
        } else if (type == "text") {
            if (name != "title" && name != "description") {
                Unknown(i, "name", name, "text field", {"title", "description"});
            }
            CheckColour(source_, i, "bgcolor", element.AttributeValue("bgcolor"), findings_);
        } else if (type == "image") {
            if (name != "screen") Unknown(i, "name", name, "picture field", {"screen"});
        } else if (type == "banner") {
            const std::string image = element.AttributeValue("image");
            if (!image.empty())
                references_.BannerStrip(source_, i, image, Number(element, "width"));
            references_.Document(source_, i, "text", element.AttributeValue("text"));
        } else if (tag == "item" && type != "message") {
            if (type.empty()) {
                findings_.Warning(source_.File(), At(i), "<item> without a type makes nothing",
                                  "give it type=button, text, image, banner or message");
            } else {
                Unknown(i, "type", type, "item type", kItemTypes);
            }
        } else if (tag == "menu") {
            AddMenu(i, element, name);
        } else if (tag == "menuitem") {
            AddTemplate(i, element);
        }
    }

    void Unknown(size_t i, std::string_view key, const std::string& value, std::string_view what,
                 const std::vector<std::string_view>& known) {
        const std::optional<std::string_view> meant = Suggest(value, known);
        const TextPosition at = source_.ValuePosition(i, key);
        if (meant && EqualIgnoringCase(*meant, value)) {
            findings_.Error(source_.File(), at,
                            std::string(what) + " \"" + value + "\" is not \"" +
                                std::string(*meant) + "\": the menu compares it byte for byte",
                            "write " + std::string(key) + "=" + std::string(*meant));
            return;
        }
        findings_.Warning(source_.File(), at,
                          "unknown " + std::string(what) + " \"" + value + "\": it does nothing",
                          meant ? "did you mean \"" + std::string(*meant) + "\"?"
                                : "the menu knows only its own names");
    }

    void CheckButton(size_t i, const ConfigElement& element, const std::string& name) {
        const int id = ButtonIdForName(name);
        if (id == 0) Unknown(i, "name", name, "button name", kButtonNames);
        facts_.helpButton = facts_.helpButton || name == "help";
        facts_.playerButton = facts_.playerButton || name == "story";
        AddButton(i, element, id);
    }

    void AddButton(size_t i, const ConfigElement& element, int id) {
        const std::string image = element.AttributeValue("image");
        references_.ButtonStrip(source_, i, "image", image, Number(element, "width"),
                                Number(element, "height"));
        bindings_.push_back({id, image, source_.File(), At(i)});
    }

    void AddMenu(size_t i, const ConfigElement& element, const std::string& name) {
        if (FindMenu(name)) {
            findings_.Warning(source_.File(), source_.ValuePosition(i, "name"),
                              "a second menu named \"" + name +
                                  "\": its templates and applications go to the first",
                              "give every menu its own name");
        }
        const int id = menu_id::kFirstMenu + menu_id::kMenuStride * static_cast<int>(menus_.size());
        menus_.push_back({name, i, 0, 0, {}, false, false});
        AddButton(i, element, id);
    }

    // The menu a template or application names, reported when it is not defined above.
    MenuProgress* ReferencedMenu(size_t i, std::string_view key, const std::string& name,
                                 std::string_view what) {
        if (MenuProgress* menu = FindMenu(name)) return menu;
        std::vector<std::string> all;
        for (const ConfigElement& element : source_.Elements()) {
            if (element.Name() == "menu" && !element.AttributeValue("name").empty()) {
                all.push_back(element.AttributeValue("name"));
            }
        }
        std::string hint;
        if (std::find(all.begin(), all.end(), name) != all.end()) {
            hint = "the menu is defined below; move <menu name=" + name + " .../> above it";
        } else if (const std::optional<std::string> meant = SuggestName(name, all)) {
            hint = "did you mean \"" + *meant + "\"?";
        } else {
            hint = "define <menu name=" + name + " .../> above it";
        }
        findings_.Error(source_.File(), source_.ValuePosition(i, key),
                        std::string(what) + " names the menu \"" + name +
                            "\", which is not defined above it: it is dropped",
                        hint);
        return nullptr;
    }

    void AddTemplate(size_t i, const ConfigElement& element) {
        MenuProgress* menu =
            ReferencedMenu(i, "parent", element.AttributeValue("parent"), "<menuitem>");
        if (!menu) return;
        ++menu->templates;
        menu->templateElements.push_back(i);
        references_.ButtonStrip(source_, i, "image", element.AttributeValue("image"),
                                Number(element, "width"), Number(element, "height"));
    }

    void CheckApplication(size_t i, const ConfigElement& element) {
        MenuProgress* menu =
            ReferencedMenu(i, "type", element.AttributeValue("type"), "<application>");
        if (menu) PlaceApplication(i, *menu);
        CheckApplicationFiles(i, element);
    }

    void PlaceApplication(size_t i, MenuProgress& menu) {
        const size_t n = menu.applications++;
        if (!ApplicationFits(IndexOf(menu), menuCount_, n)) {
            if (!menu.reportedOverflow) {
                findings_.Error(source_.File(), At(i),
                                "menu \"" + menu.name + "\" has more than " +
                                    std::to_string(menu_id::kMaxApplicationsPerMenu) +
                                    " applications: from this one on they are dropped, their "
                                    "identifiers would reach the next menu's",
                                "only the last menu holds more than 149 applications; split it, "
                                "or make it the last menu");
                menu.reportedOverflow = true;
            }
            return;
        }
        const size_t finalCount = finalTemplates_[menu.name];
        if (menu.templates == 0 && finalCount == 0) {
            if (!menu.reportedNoTemplate) {
                findings_.Error(source_.File(), At(menu.element),
                                "menu \"" + menu.name +
                                    "\" has no <menuitem> template: its applications get no "
                                    "buttons",
                                "add <menuitem parent=" + menu.name +
                                    " image=... width=... height=... .../> below the menu");
                menu.reportedNoTemplate = true;
            }
        } else if (menu.templates == 0) {
            findings_.Error(
                source_.File(), At(i),
                "the application stands before its menu's template and gets no "
                "button",
                "move <menuitem parent=" + menu.name + " .../> above the menu's applications");
        } else if (menu.templates > 1 && n >= menu.templates) {
            findings_.Warning(source_.File(), At(i),
                              "menu \"" + menu.name + "\" has " + std::to_string(menu.templates) +
                                  " templates, so its application " + std::to_string(n + 1) +
                                  " gets no button",
                              "with several templates each application takes one; add a "
                              "template or use a single one for a paged list");
        }
    }

    void CheckApplicationFiles(size_t i, const ConfigElement& element) {
        const std::string screen = element.AttributeValue("screen");
        if (!screen.empty()) references_.Picture(source_, i, "screen", screen);
        const std::string exec = element.AttributeValue("exec");
        const std::string execOpen = element.AttributeValue("execopen");
        // Without exec the install and run buttons are hidden: nothing to start.
        if (!exec.empty()) {
            if (execOpen == "open") {
                references_.Document(source_, i, "exec", exec);
            } else {
                references_.CommandLine(source_, i, "exec", exec);
            }
        }
        if (!execOpen.empty() && execOpen != "install" && execOpen != "open") {
            findings_.Error(source_.File(), source_.ValuePosition(i, "execopen"),
                            "execopen \"" + execOpen +
                                "\" is neither \"install\" nor \"open\": the install and run "
                                "buttons keep the previous application's state",
                            "write execopen=open to open exec, or leave it out to install");
        }
        for (const char* key : {"instruction", "www", "buy"}) {
            references_.Document(source_, i, key, element.AttributeValue(key));
        }
    }

    void CheckPaging() {
        for (const MenuProgress& menu : menus_) {
            if (menu.templates != 1 || menu.applications <= 1) continue;
            const size_t only = menu.templateElements.front();
            const int maxItems = ReadDecimal(source_.Elements()[only].AttributeValue("maxitems"));
            if (maxItems >= 1) continue;
            findings_.Warning(source_.File(), source_.ValuePosition(only, "maxitems"),
                              "maxitems " + std::to_string(maxItems) + " is below 1: all " +
                                  std::to_string(menu.applications) + " applications of \"" +
                                  menu.name + "\" stand in one column, without pages",
                              "give the template maxitems=N, the buttons per page");
        }
    }

    // Controls and banners the window cuts: what lies outside it is neither seen nor clicked.
    void CheckPlacement() {
        const MainWindowSettings window = ReadMainWindowSettings(source_.Document(), nullptr);
        if (window.width <= 0 || window.height <= 0) return;
        const MenuModel model = BuildMenuModel(source_.Document());
        std::set<size_t> reported;
        const auto check = [&](const ControlRect& r, size_t element, const std::string& what) {
            if (r.width <= 0 || r.height <= 0 || reported.count(element)) return;
            const bool inside = r.x >= 0 && r.y >= 0 &&
                                static_cast<long long>(r.x) + r.width <= window.width &&
                                static_cast<long long>(r.y) + r.height <= window.height;
            if (inside) return;
            reported.insert(element);
            const std::string size =
                std::to_string(window.width) + "x" + std::to_string(window.height);
            findings_.Warning(source_.File(), At(element),
                              what + " at " + std::to_string(r.x) + "," + std::to_string(r.y) +
                                  " (" + std::to_string(r.width) + "x" + std::to_string(r.height) +
                                  ") reaches outside the " + size +
                                  " window: that part is neither seen nor clicked",
                              "keep positionX + width within " + std::to_string(window.width) +
                                  " and positionY + height within " +
                                  std::to_string(window.height));
        };
        for (const ControlSpec& control : model.controls) {
            const ConfigElement& element = source_.Elements()[control.element];
            std::string name;
            if (element.Name() == "application") {
                name = "the button of application \"" + element.AttributeValue("title") + "\"";
            } else if (element.Name() == "menu" && element.AttributeValue("type").empty()) {
                name = "the button of menu \"" + element.AttributeValue("name") + "\"";
            } else {
                name = "the " + element.AttributeValue("type") + " \"" +
                       element.AttributeValue("name") + "\"";
            }
            check(control.rect, control.element, name);
        }
        for (const BannerSpec& banner : model.banners) {
            check(banner.rect, banner.element, "the banner \"" + banner.name + "\"");
        }
    }

    const ConfigSource& source_;
    ReferenceChecker& references_;
    Findings& findings_;
    std::vector<ButtonBinding>& bindings_;
    size_t menuCount_ = 0;
    std::map<std::string, size_t> finalTemplates_;
    std::vector<MenuProgress> menus_;
    MenuFacts facts_;
};

}  // namespace

MenuFacts CheckMenuDescription(const ConfigSource& source, ReferenceChecker& references,
                               Findings& findings, std::vector<ButtonBinding>& bindings) {
    return MenuChecker(source, references, findings, bindings).Run();
}
