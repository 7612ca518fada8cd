#include "menu/menu_model.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

#include "config/colour.h"
#include "config/config_document.h"
#include "config/decimal.h"
#include "menu/menu_ids.h"

namespace {

// The value of the first item of each key, or null where the element has none; one pass.
template <size_t N>
std::array<const std::string*, N> FirstValues(const ConfigElement& element,
                                              const std::array<std::string_view, N>& keys) {
    std::array<const std::string*, N> first{};
    for (const ConfigAttribute& attribute : element.Attributes()) {
        for (size_t k = 0; k < N; ++k) {
            if (attribute.key == keys[k]) {
                if (!first[k]) first[k] = &attribute.value;
                break;
            }
        }
    }
    return first;
}

std::string CopyOf(const std::string* value) { return value ? *value : std::string(); }

// The attributes an "item", "menu" or "menuitem" element may carry; the first of a key counts.
struct ItemAttributes {
    std::string type, name, parent, text, image, bgcolor;
    ControlRect rect;
    int timer = -1;
    int maxItems = 0;

    // One pass over the element's items.
    explicit ItemAttributes(const ConfigElement& element) {
        enum Key {
            kType,
            kName,
            kParent,
            kText,
            kImage,
            kBgcolor,
            kX,
            kY,
            kWidth,
            kHeight,
            kMaxItems,
            kTimer,
            kKeyCount
        };
        static constexpr std::array<std::string_view, kKeyCount> kKeys = {
            "type",      "name",      "parent", "text",   "image",    "bgcolor",
            "positionX", "positionY", "width",  "height", "maxitems", "timer"};
        const auto first = FirstValues(element, kKeys);
        auto number = [&](Key key) {
            return ReadDecimal(first[key] ? std::string_view(*first[key]) : std::string_view());
        };
        type = CopyOf(first[kType]);
        name = CopyOf(first[kName]);
        parent = CopyOf(first[kParent]);
        text = CopyOf(first[kText]);
        image = CopyOf(first[kImage]);
        bgcolor = CopyOf(first[kBgcolor]);
        rect = {number(kX), number(kY), number(kWidth), number(kHeight)};
        maxItems = number(kMaxItems);
        // A missing timer means a still banner; a present one is read as written.
        if (first[kTimer]) timer = number(kTimer);
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

// An int of the model; a column reaching past its range stops at its end instead of wrapping.
int Saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

class ModelBuilder {
public:
    explicit ModelBuilder(const ConfigDocument& document) {
        for (const ConfigElement& element : document.Elements()) {
            if (MakesMenu(element)) ++menuCount_;
        }
    }

    void Add(const ConfigElement& element, size_t index) {
        element_ = index;
        const std::string& tag = element.Name();
        if (tag == "item" || tag == "menu" || tag == "menuitem") {
            AddItem(tag, ItemAttributes(element));
        } else if (tag == "application") {
            AddApplication(element);
        }
    }

    MenuModel Take() { return std::move(model_); }

private:
    // The menu of that name and its index; the first menu of a name collects.
    Menu* FindMenu(const std::string& name, size_t& index) {
        for (index = 0; index < model_.menus.size(); ++index) {
            if (model_.menus[index].name == name) return &model_.menus[index];
        }
        return nullptr;
    }

    void AddControl(ControlSpec control) {
        control.element = element_;
        model_.controls.push_back(std::move(control));
    }

    void AddItem(const std::string& tag, const ItemAttributes& item) {
        if (item.type == "button") {
            AddControl(Button(ButtonIdForName(item.name), item.text, item.image, item.rect));
        } else if (item.type == "text") {
            AddField(item);
        } else if (item.type == "image") {
            if (item.name == "screen") {
                AddControl(Field(ControlSpec::Kind::ScreenField, menu_id::kScreenField, item.rect));
            }
        } else if (item.type == "banner") {
            model_.banners.push_back(
                {item.name, item.text, item.image, item.rect, item.timer, element_});
        } else if (tag == "menu") {
            const int id =
                menu_id::kFirstMenu + menu_id::kMenuStride * static_cast<int>(model_.menus.size());
            model_.menus.push_back({item.name, item.text, id, {}, {}});
            columnY_.push_back(0);
            AddControl(Button(id, item.text, item.image, item.rect));
        } else if (tag == "menuitem") {
            size_t index = 0;
            if (Menu* menu = FindMenu(item.parent, index)) {
                if (menu->templates.empty()) columnY_[index] = item.rect.y;
                menu->templates.push_back(
                    {item.text, item.image, item.rect, item.maxItems, element_});
            }
        }
    }

    // A later field of the same name without a usable colour keeps the earlier brush.
    void AddField(const ItemAttributes& item) {
        std::optional<uint32_t>* brush = nullptr;
        if (item.name == "title") {
            AddControl(Field(ControlSpec::Kind::TitleField, menu_id::kTitleField, item.rect));
            brush = &model_.titleBrush;
        } else if (item.name == "description") {
            AddControl(
                Field(ControlSpec::Kind::DescriptionField, menu_id::kDescriptionField, item.rect));
            brush = &model_.descriptionBrush;
        } else {
            return;
        }
        if (const std::optional<uint32_t> colour = ReadColour(item.bgcolor)) *brush = colour;
    }

    void AddApplication(const ConfigElement& element) {
        size_t index = 0;
        Menu* menu = FindMenu(element.AttributeValue("type"), index);
        const size_t n = menu ? menu->applications.size() : 0;
        if (!menu || !ApplicationFits(index, menuCount_, n)) return;

        static constexpr std::array<std::string_view, 8> kKeys = {
            "title", "description", "exec", "execopen", "instruction", "www", "buy", "screen"};
        const auto first = FirstValues(element, kKeys);
        Application application{menu->id + 1 + static_cast<int>(n),
                                CopyOf(first[0]),
                                CopyOf(first[1]),
                                CopyOf(first[2]),
                                CopyOf(first[3]),
                                CopyOf(first[4]),
                                CopyOf(first[5]),
                                CopyOf(first[6]),
                                CopyOf(first[7]),
                                element_};

        if (menu->templates.size() == 1) {
            const MenuItemTemplate& only = menu->templates.front();
            ControlRect rect = only.rect;
            rect.y = Saturated(MoveColumn(index, only, n));
            AddApplicationButton(Button(application.id, application.title, only.image, rect, true),
                                 only);
        } else if (n < menu->templates.size()) {
            const MenuItemTemplate& own = menu->templates[n];
            AddApplicationButton(Button(application.id, own.caption, own.image, own.rect, true),
                                 own);
        }
        menu->applications.push_back(std::move(application));
    }

    void AddApplicationButton(ControlSpec button, const MenuItemTemplate& from) {
        button.templateElement = from.element;
        AddControl(std::move(button));
    }

    // One template: every application after the first moves the template down one row, and
    // every maxitems applications back to the top, so the column starts again each page. n
    // counts the applications read before the template too. Wide, so the walk never wraps;
    // maxitems below 1 keeps one growing column.
    long long MoveColumn(size_t index, const MenuItemTemplate& only, size_t n) {
        long long& y = columnY_[index];
        if (n == 0) return y;
        if (only.maxItems < 1 || n % static_cast<size_t>(only.maxItems) != 0) {
            y += only.rect.height;
        } else {
            y -= static_cast<long long>(only.maxItems - 1) * only.rect.height;
        }
        return y;
    }

    MenuModel model_;
    size_t menuCount_ = 0;
    std::vector<long long> columnY_;  // per menu: its only template's y, as the walk moved it
    size_t element_ = 0;              // the index of the element being read
};

}  // namespace

int PageSize(const MenuItemTemplate& only, size_t applicationCount) {
    if (only.maxItems >= 1) return only.maxItems;
    return static_cast<int>(std::max<size_t>(applicationCount, 1));
}

int FrameCount(int pictureWidth, int bannerWidth) {
    if (bannerWidth <= 0 || pictureWidth < bannerWidth) return 1;
    return pictureWidth / bannerWidth;
}

bool ApplicationFits(size_t menuIndex, size_t menuCount, size_t application) {
    return menuIndex + 1 >= menuCount || application < menu_id::kMaxApplicationsPerMenu;
}

bool MakesMenu(const ConfigElement& element) {
    if (element.Name() != "menu") return false;
    const std::string type = element.AttributeValue("type");
    return type != "button" && type != "text" && type != "image" && type != "banner";
}

MenuModel BuildMenuModel(const ConfigDocument& document) {
    ModelBuilder builder(document);
    const std::vector<ConfigElement>& elements = document.Elements();
    for (size_t i = 0; i < elements.size(); ++i) builder.Add(elements[i], i);
    return builder.Take();
}
