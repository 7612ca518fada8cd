#include "menu/menu_model.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "config/colour.h"
#include "config/config_document.h"
#include "config/decimal.h"
#include "menu/menu_ids.h"

namespace {

// The attributes an "item", "menu" or "menuitem" element may carry; the first of a key counts.
struct ItemAttributes {
    std::string type, name, parent, text, image, bgcolor;
    ControlRect rect;
    int timer = -1;
    int maxItems = 0;

    explicit ItemAttributes(const ConfigElement& element) {
        auto value = [&](std::string_view key) { return element.AttributeValue(key); };
        auto number = [&](std::string_view key) { return ReadDecimal(value(key)); };
        type = value("type");
        name = value("name");
        parent = value("parent");
        text = value("text");
        image = value("image");
        bgcolor = value("bgcolor");
        rect = {number("positionX"), number("positionY"), number("width"), number("height")};
        maxItems = number("maxitems");
        // A missing timer means a still banner; a present one is read as written.
        const auto& attributes = element.Attributes();
        if (std::any_of(attributes.begin(), attributes.end(),
                        [](const ConfigAttribute& a) { return a.key == "timer"; })) {
            timer = number("timer");
        }
    }
};

ControlSpec Button(int id, const std::string& caption, const std::string& image,
                   const ControlRect& rect, bool hidden = false) {
    ControlSpec button;
    button.id = id;
    button.caption = caption;
    button.image = image;
    button.rect = rect;
    button.hidden = hidden;
    return button;
}

ControlSpec Field(ControlSpec::Kind kind, int id, const ControlRect& rect) {
    ControlSpec field;
    field.kind = kind;
    field.id = id;
    field.rect = rect;
    return field;
}

// The top of a column's button in the given row. A column reaching past the range of int
// stops at its end instead of wrapping.
int RowY(const ControlRect& first, size_t row) {
    const long long y = first.y + static_cast<long long>(row) * first.height;
    return static_cast<int>(std::clamp<long long>(y, INT_MIN, INT_MAX));
}

Menu* FindMenu(std::vector<Menu>& menus, const std::string& name) {
    auto it =
        std::find_if(menus.begin(), menus.end(), [&](const Menu& m) { return m.name == name; });
    return it == menus.end() ? nullptr : &*it;
}

void AddItem(MenuModel& model, const std::string& tag, const ItemAttributes& item) {
    if (item.type == "button") {
        model.controls.push_back(
            Button(ButtonIdForName(item.name), item.text, item.image, item.rect));
    } else if (item.type == "text") {
        ControlSpec field;
        if (item.name == "title") {
            field = Field(ControlSpec::Kind::TitleField, menu_id::kTitleField, item.rect);
        } else if (item.name == "description") {
            field =
                Field(ControlSpec::Kind::DescriptionField, menu_id::kDescriptionField, item.rect);
        } else {
            return;
        }
        field.background = ReadColour(item.bgcolor);
        model.controls.push_back(field);
    } else if (item.type == "image") {
        if (item.name == "screen") {
            model.controls.push_back(
                Field(ControlSpec::Kind::ScreenField, menu_id::kScreenField, item.rect));
        }
    } else if (item.type == "banner") {
        model.banners.push_back({item.name, item.text, item.image, item.rect, item.timer});
    } else if (tag == "menu") {
        const int id =
            menu_id::kFirstMenu + menu_id::kMenuStride * static_cast<int>(model.menus.size());
        model.menus.push_back({item.name, item.text, id, {}, {}});
        model.controls.push_back(Button(id, item.text, item.image, item.rect));
    } else if (tag == "menuitem") {
        if (Menu* menu = FindMenu(model.menus, item.parent)) {
            menu->templates.push_back({item.text, item.image, item.rect, item.maxItems});
        }
    }
}

void AddApplication(MenuModel& model, const ConfigElement& element) {
    Menu* menu = FindMenu(model.menus, element.AttributeValue("type"));
    // Past 149 applications the identifiers would run into the next menu's.
    if (!menu || menu->applications.size() >= menu_id::kMaxApplicationsPerMenu) return;

    Application application{menu->id + 1 + static_cast<int>(menu->applications.size()),
                            element.AttributeValue("title"),
                            element.AttributeValue("description"),
                            element.AttributeValue("exec"),
                            element.AttributeValue("execopen"),
                            element.AttributeValue("instruction"),
                            element.AttributeValue("www"),
                            element.AttributeValue("buy"),
                            element.AttributeValue("screen")};

    const size_t n = menu->applications.size();
    if (menu->templates.size() == 1) {
        // One template: the buttons stand in a column that starts again every page.
        const MenuItemTemplate& only = menu->templates.front();
        const auto row = n % static_cast<size_t>(PageSize(only, n + 1));
        ControlRect rect = only.rect;
        rect.y = RowY(only.rect, row);
        model.controls.push_back(Button(application.id, application.title, only.image, rect, true));
    } else if (n < menu->templates.size()) {
        const MenuItemTemplate& own = menu->templates[n];
        model.controls.push_back(Button(application.id, own.caption, own.image, own.rect, true));
    }
    menu->applications.push_back(std::move(application));
}

}  // namespace

int PageSize(const MenuItemTemplate& only, size_t applicationCount) {
    if (only.maxItems >= 1) return only.maxItems;
    return static_cast<int>(std::max<size_t>(applicationCount, 1));
}

int FrameCount(int pictureWidth, int bannerWidth) {
    if (bannerWidth <= 0 || pictureWidth < bannerWidth) return 1;
    return pictureWidth / bannerWidth;
}

MenuModel BuildMenuModel(const ConfigDocument& document) {
    MenuModel model;
    for (const ConfigElement& element : document.Elements()) {
        const std::string tag = element.Name();
        if (tag == "item" || tag == "menu" || tag == "menuitem") {
            AddItem(model, tag, ItemAttributes(element));
        } else if (tag == "application") {
            AddApplication(model, element);
        }
    }
    return model;
}
