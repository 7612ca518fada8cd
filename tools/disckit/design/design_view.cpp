#include "design_view.h"

#include "app/main_window_settings.h"
#include "menu/banner_rules.h"
#include "menu_state.h"

namespace {

using Kind = DesignElement::Kind;

std::optional<size_t> WindowElement(const ConfigDocument& document) {
    std::optional<size_t> last;
    for (size_t i = 0; i < document.Elements().size(); ++i) {
        if (document.Elements()[i].Name() == "window") last = i;
    }
    return last;
}

bool HoldsPoint(const ControlRect& r, int x, int y) {
    return x >= r.x && y >= r.y &&
           static_cast<long long>(x) < static_cast<long long>(r.x) + r.width &&
           static_cast<long long>(y) < static_cast<long long>(r.y) + r.height;
}

bool HoldsPointInside(const ControlRect& r, int x, int y) {
    return x > r.x && y > r.y && x < FarEdge(r.x, r.width) && y < FarEdge(r.y, r.height);
}

DesignElement ControlElement(const ConfigDocument& document, const MenuModel& model,
                             const ControlSpec& control) {
    DesignElement element;
    element.element = control.element;
    element.rect = control.rect;
    switch (control.kind) {
        case ControlSpec::Kind::TitleField:
            element.kind = Kind::kTitle;
            element.name = "title";
            return element;
        case ControlSpec::Kind::DescriptionField:
            element.kind = Kind::kDescription;
            element.name = "description";
            return element;
        case ControlSpec::Kind::ScreenField:
            element.kind = Kind::kScreen;
            element.name = "screen";
            return element;
        case ControlSpec::Kind::Button:
            break;
    }
    for (const Menu& menu : model.menus) {
        if (menu.id == control.id) {
            element.kind = Kind::kMenu;
            element.name = menu.name;
            return element;
        }
        for (const Application& application : menu.applications) {
            if (application.id != control.id || !control.templateElement) continue;
            element.kind = Kind::kApplication;
            element.element = *control.templateElement;
            element.application = application.element;
            element.name = application.title;
            return element;
        }
    }
    element.kind = Kind::kButton;
    element.name = document.Elements()[control.element].AttributeValue("name");
    if (element.name.empty()) element.name = control.caption;
    return element;
}

}  // namespace

const char* KindName(DesignElement::Kind kind) {
    switch (kind) {
        case Kind::kButton:
            return "button";
        case Kind::kMenu:
            return "menu";
        case Kind::kApplication:
            return "application";
        case Kind::kTitle:
            return "title";
        case Kind::kDescription:
            return "description";
        case Kind::kScreen:
            return "screen";
        case Kind::kBanner:
            return "banner";
        case Kind::kWindow:
            return "window";
    }
    return "";
}

std::optional<std::vector<DesignElement>> ElementsInState(const ConfigDocument& document,
                                                          const PreviewState& state) {
    MenuState menu(document);
    if (!menu.GoTo(state)) return std::nullopt;
    const MenuModel& model = menu.Model();
    std::vector<DesignElement> elements;
    for (size_t i = 0; i < model.controls.size(); ++i) {
        if (menu.Shown(i)) elements.push_back(ControlElement(document, model, model.controls[i]));
    }
    for (const BannerSpec& banner : model.banners) {
        if (!IsBannerDrawn(banner, menu.Navigator().CurrentMenu())) continue;
        elements.push_back({Kind::kBanner, banner.element, std::nullopt,
                            banner.name.empty() ? banner.image : banner.name, banner.rect});
    }
    if (const std::optional<size_t> window = WindowElement(document)) {
        const MainWindowSettings settings = ReadMainWindowSettings(document, nullptr);
        elements.push_back({Kind::kWindow,
                            *window,
                            std::nullopt,
                            "window",
                            {0, 0, settings.width, settings.height}});
    }
    return elements;
}

const DesignElement* ElementAt(const std::vector<DesignElement>& elements, int x, int y) {
    for (const DesignElement& element : elements) {
        const bool banner = element.kind == Kind::kBanner;
        if (banner ? HoldsPointInside(element.rect, x, y) : HoldsPoint(element.rect, x, y)) {
            return &element;
        }
    }
    return nullptr;
}

std::optional<TryResult> TryClick(const ConfigDocument& document, const PreviewState& state, int x,
                                  int y) {
    MenuState menu(document);
    if (!menu.GoTo(state)) return std::nullopt;
    const MenuModel& model = menu.Model();
    TryResult result{state, {}};
    bool onControl = false;
    for (size_t i = 0; i < model.controls.size() && !onControl; ++i) {
        const ControlSpec& control = model.controls[i];
        if (!menu.Shown(i) || !HoldsPoint(control.rect, x, y)) continue;
        onControl = true;
        // A disabled window takes no clicks; fields send no commands.
        if (control.kind == ControlSpec::Kind::Button && menu.Enabled(i)) {
            menu.Navigator().OnCommand(static_cast<uint32_t>(control.id));
        }
    }
    if (!onControl) {
        const int banner = LinkBannerAt(model.banners, x, y);
        if (banner >= 0) {
            result.action =
                "start.exe would open " + model.banners[static_cast<size_t>(banner)].link;
        }
        return result;
    }
    result.action = menu.View().Action();
    const MenuNavigator& navigator = menu.Navigator();
    const Menu* current = navigator.CurrentMenu();
    result.state.menu = current ? current->name : "";
    result.state.page = navigator.PageIndex() + 1;
    result.state.application.reset();
    if (current) {
        for (size_t i = 0; i < current->applications.size(); ++i) {
            if (&current->applications[i] == navigator.SelectedApplication()) {
                result.state.application = static_cast<int>(i + 1);
            }
        }
    }
    return result;
}
