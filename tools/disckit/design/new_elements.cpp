#include "new_elements.h"

#include <vector>

#include "config/decimal.h"
#include "element_identity.h"
#include "menu/menu_model.h"

namespace {

std::string Quoted(const std::string& value) {
    return value.empty() || value.find_first_of(" \t\n") != std::string::npos ? "\"" + value + "\""
                                                                              : value;
}

std::string Line(const std::string& tag, const std::vector<ConfigAttribute>& items) {
    std::string line = "<" + tag;
    for (const ConfigAttribute& item : items) line += " " + item.key + "=" + Quoted(item.value);
    return line + "/>";
}

int Number(const ConfigElement& element, const char* key) {
    return ReadDecimal(element.AttributeValue(key));
}

std::optional<size_t> Find(const ConfigDocument& document, const auto& matches) {
    const auto& elements = document.Elements();
    for (size_t i = 0; i < elements.size(); ++i) {
        if (matches(elements[i])) return i;
    }
    return std::nullopt;
}

std::optional<size_t> FindLast(const ConfigDocument& document, const auto& matches) {
    const auto& elements = document.Elements();
    for (size_t i = elements.size(); i-- > 0;) {
        if (matches(elements[i])) return i;
    }
    return std::nullopt;
}

std::optional<size_t> MenuNamed(const ConfigDocument& document, const std::string& name) {
    return Find(document, [&](const ConfigElement& e) {
        return MakesMenu(e) && (name.empty() || e.AttributeValue("name") == name);
    });
}

std::string IdentityAt(const ConfigDocument& document, size_t element) {
    return ElementIdentities(document)[element];
}

NewElement Refused(std::string why) { return {std::nullopt, std::move(why)}; }

// New items go after the last item, so they are drawn over the others.
NewElement Item(const ConfigDocument& document, std::string line) {
    const std::optional<size_t> last = FindLast(document, [](const ConfigElement& e) {
        return e.Name() == "item" || e.Name() == "window";
    });
    StructureChange change;
    change.target = last ? IdentityAt(document, *last) : std::string();
    change.lines = std::move(line);
    return {change, {}};
}

std::string ApplicationLine(const std::string& menu) {
    return Line("application", {{"type", menu}, {"title", "New application"}, {"description", ""}});
}

}  // namespace

std::string UniqueName(const ConfigDocument& document, const std::string& tag,
                       const std::string& name) {
    const auto taken = [&](const std::string& candidate) {
        return Find(document,
                    [&](const ConfigElement& e) {
                        return e.Name() == tag && e.AttributeValue("name") == candidate;
                    })
            .has_value();
    };
    if (!taken(name)) return name;
    for (int n = 2;; ++n) {
        if (!taken(name + std::to_string(n))) return name + std::to_string(n);
    }
}

NewElement NewApplication(const ConfigDocument& document, std::optional<size_t> selected,
                          const std::string& menu) {
    std::string type = menu;
    StructureChange change;
    if (selected && *selected < document.ElementCount()) {
        const ConfigElement& element = document.Elements()[*selected];
        if (element.Name() == "application") {
            change.target = IdentityAt(document, *selected);
            change.lines = ApplicationLine(element.AttributeValue("type"));
            return {change, {}};
        }
        if (MakesMenu(element)) type = element.AttributeValue("name");
        if (element.Name() == "menuitem") type = element.AttributeValue("parent");
    }
    const std::optional<size_t> at = MenuNamed(document, type);
    if (!at) return Refused("there is no menu to add an application to: add a menu first");
    change.target = IdentityAt(document, *at);
    change.lines = ApplicationLine(document.Elements()[*at].AttributeValue("name"));
    return {change, {}};
}

NewElement NewMenu(const ConfigDocument& document, const std::string& menu) {
    const std::string name = UniqueName(document, "menu", "menu");
    const std::optional<size_t> last = FindLast(document, MakesMenu);
    std::vector<ConfigAttribute> button = {{"name", name}, {"text", "New menu"}};
    int x = 16, y = 100, width = 150, height = 30;
    if (last) {
        const ConfigElement& lastMenu = document.Elements()[*last];
        const std::optional<size_t> before = FindLast(
            document, [&](const ConfigElement& e) { return MakesMenu(e) && &e < &lastMenu; });
        x = Number(lastMenu, "positionX");
        width = Number(lastMenu, "width");
        height = Number(lastMenu, "height");
        const int step = before ? Number(lastMenu, "positionY") -
                                      Number(document.Elements()[*before], "positionY")
                                : height + 4;
        y = Number(lastMenu, "positionY") + (step > 0 ? step : height + 4);
        if (const std::string image = lastMenu.AttributeValue("image"); !image.empty()) {
            button.push_back({"image", image});
        }
    }
    for (const auto& [key, value] :
         {std::pair{"positionX", x}, {"positionY", y}, {"width", width}, {"height", height}}) {
        button.push_back({key, std::to_string(value)});
    }
    const std::optional<size_t> current = MenuNamed(document, menu);
    const std::string shown =
        current ? document.Elements()[*current].AttributeValue("name") : std::string();
    const std::optional<size_t> model = Find(document, [&](const ConfigElement& e) {
        return e.Name() == "menuitem" && !shown.empty() && e.AttributeValue("parent") == shown;
    });
    std::vector<ConfigAttribute> templateItems = {{"parent", name}};
    if (model) {
        for (const ConfigAttribute& item : document.Elements()[*model].Attributes()) {
            if (item.key != "parent") templateItems.push_back(item);
        }
    } else {
        templateItems.insert(templateItems.end(), {{"positionX", "200"},
                                                   {"positionY", std::to_string(y)},
                                                   {"width", "150"},
                                                   {"height", "30"}});
    }
    StructureChange change;
    const std::optional<size_t> after = current ? current : last;
    change.target = after ? IdentityAt(document, *after) : std::string();
    change.lines = Line("menu", button) + "\n" + Line("menuitem", templateItems) + "\n" +
                   ApplicationLine(name);
    return {change, {}};
}

NewElement NewButton(const ConfigDocument& document, const std::string& name,
                     const std::string& image, int stripWidth, int stripHeight) {
    if (name.empty()) return Refused("a button needs a name");
    if (Find(document, [&](const ConfigElement& e) {
            return e.Name() == "item" && e.AttributeValue("name") == name;
        })) {
        return Refused("the description already has an item named " + name);
    }
    return Item(document, Line("item", {{"type", "button"},
                                        {"name", name},
                                        {"image", image},
                                        {"positionX", "10"},
                                        {"positionY", "10"},
                                        {"width", std::to_string(stripWidth / 3)},
                                        {"height", std::to_string(stripHeight)}}));
}

NewElement NewBanner(const ConfigDocument& document, const std::string& image, int width,
                     int height, int timer) {
    std::vector<ConfigAttribute> items = {{"type", "banner"},
                                          {"name", UniqueName(document, "item", "banner")},
                                          {"image", image},
                                          {"positionX", "10"},
                                          {"positionY", "10"},
                                          {"width", std::to_string(width)},
                                          {"height", std::to_string(height)}};
    if (timer > 0) items.push_back({"timer", std::to_string(timer)});
    return Item(document, Line("item", items));
}

NewElement NewField(const ConfigDocument& document, const std::string& name) {
    const bool screen = name == "screen";
    if (!screen && name != "title" && name != "description") {
        return Refused("a field is the title, the description or the screenshot (screen)");
    }
    if (Find(document, [&](const ConfigElement& e) {
            return e.Name() == "item" && e.AttributeValue("name") == name;
        })) {
        return Refused("the description already has its " + name + " field");
    }
    return Item(document, Line("item", {{"type", screen ? "image" : "text"},
                                        {"name", name},
                                        {"positionX", "10"},
                                        {"positionY", "10"},
                                        {"width", screen ? "320" : "200"},
                                        {"height", screen ? "240" : "20"}}));
}
