#include "menu_preview.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/main_window_settings.h"
#include "controls/button_look.h"
#include "menu/banner_rules.h"
#include "menu/menu_ids.h"
#include "menu/menu_model.h"
#include "menu/menu_navigator.h"
#include "picture_decode.h"
#include "preview_view.h"
#include "text_layout.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
// What a static shows behind itself without a brush of the window's: the button face colour.
constexpr std::uint32_t kButtonFace = 0xF0F0F0;
constexpr char kFieldPlaceholder[] = "Tytul wybranej aplikacji";

// Each picture file decoded once, by the name the description gives it.
class Pictures {
public:
    explicit Pictures(const DiscFiles& disc) : disc_(disc) {}

    const Raster* Get(const std::string& name) {
        auto found = cache_.find(name);
        if (found == cache_.end()) found = cache_.emplace(name, Load(name)).first;
        return found->second ? &*found->second : nullptr;
    }

private:
    std::optional<Raster> Load(const std::string& name) const {
        const FileRef file = disc_.Resolve(name);
        if (file.kind != FileRef::Kind::kFound && file.kind != FileRef::Kind::kCaseDiffers) {
            return std::nullopt;
        }
        const std::optional<std::string> bytes = disc_.Read(file);
        return bytes ? DecodePicture(*bytes) : std::nullopt;
    }

    const DiscFiles& disc_;
    std::map<std::string, std::optional<Raster>> cache_;
};

PixelRect Area(const ControlRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

void DrawButton(Raster& target, const ControlSpec& control, bool enabled, bool hover,
                Pictures& pictures, const TextFace& caption) {
    const ControlRect& r = control.rect;
    if (const Raster* strip = pictures.Get(control.image)) {
        const int sourceX = FrameSourceX(r.width, enabled, ButtonState{hover, false});
        const FramePart part =
            FramePartInStrip(strip->width, strip->height, sourceX, r.width, r.height);
        if (!part.Empty()) {
            CopyPixels(target, r.x, r.y, *strip, sourceX, 0, part.width, part.height);
        }
    }
    DrawCentredLine(target, caption, Area(r), control.caption, kBlack);
}

void DrawScreen(Raster& target, const ControlSpec& control, const Application* application,
                Pictures& pictures) {
    const PixelRect area = Area(control.rect);
    FillPixels(target, area, kButtonFace, area);
    const Raster* shot = application ? pictures.Get(application->screen) : nullptr;
    if (!shot) return;
    // SS_CENTERIMAGE keeps the control's size and centres the picture in it, clipped.
    const int x = area.x + (area.width - shot->width) / 2;
    const int y = area.y + (area.height - shot->height) / 2;
    const int left = std::max(x, area.x);
    const int top = std::max(y, area.y);
    const int right = std::min(x + shot->width, area.x + area.width);
    const int bottom = std::min(y + shot->height, area.y + area.height);
    if (right > left && bottom > top) {
        CopyPixels(target, left, top, *shot, left - x, top - y, right - left, bottom - top);
    }
}

// Runs the menu's own navigation from its start to the state asked for.
bool Navigate(MenuNavigator& navigator, const std::vector<Menu>& menus, const PreviewState& state) {
    if (menus.empty()) return state.menu.empty() && state.page == 1;
    navigator.OnCommand(static_cast<uint32_t>(menus.front().id));
    if (!state.menu.empty()) {
        const Menu* named = nullptr;
        for (const Menu& menu : menus) {
            if (menu.name == state.menu) named = &menu;
            if (named) break;
        }
        if (!named) return false;
        navigator.OnCommand(static_cast<uint32_t>(named->id));
    }
    if (state.page < 1 || state.page > std::max(navigator.PageCount(), 1)) return false;
    for (int page = 1; page < state.page; ++page) navigator.OnCommand(menu_id::kNext);
    if (!state.application) return true;
    const Menu* current = navigator.CurrentMenu();
    const size_t index = static_cast<size_t>(*state.application - 1);
    if (!current || *state.application < 1 || index >= current->applications.size()) {
        return false;
    }
    navigator.OnCommand(static_cast<uint32_t>(current->applications[index].id));
    return true;
}

}  // namespace

std::optional<Raster> RenderMenu(const DiscFiles& disc, const ConfigDocument& document,
                                 const PreviewState& state, const PreviewFonts& fonts) {
    const MainWindowSettings settings = ReadMainWindowSettings(document, nullptr);
    const MenuModel model = BuildMenuModel(document);
    PreviewView view(model.controls);
    MenuNavigator navigator(model.menus, view);
    if (!Navigate(navigator, model.menus, state)) return std::nullopt;

    Raster window(settings.width, settings.height, kWhite);
    Pictures pictures(disc);
    if (const Raster* background = pictures.Get("Menu\\menumain.jpg")) {
        CopyPixels(window, 0, 0, *background, 0, 0, window.width, window.height);
    }
    for (const BannerSpec& banner : model.banners) {
        const Raster* strip = banner.image.empty() ? nullptr : pictures.Get(banner.image);
        if (!strip || !IsBannerDrawn(banner, navigator.CurrentMenu())) continue;
        const ControlRect& r = banner.rect;
        CopyPixels(window, r.x, r.y, *strip, 0, 0, r.width, r.height);
    }

    const Application* application = view.ShownApplication();
    std::set<int> seen;
    for (const ControlSpec& control : model.controls) {
        // Navigation reaches only the first control of an id, as GetDlgItem does.
        const bool first = seen.insert(control.id).second;
        const bool shown = first ? view.Shown(control.id) : !control.hidden;
        const bool enabled = !first || view.Enabled(control.id);
        const PixelRect area = Area(control.rect);
        switch (control.kind) {
            case ControlSpec::Kind::Button:
                if (shown) {
                    DrawButton(window, control, enabled, state.hover == control.id, pictures,
                               fonts.caption);
                }
                break;
            case ControlSpec::Kind::TitleField:
                FillPixels(window, area, model.titleBrush.value_or(kButtonFace), area);
                DrawCentredLine(window, fonts.title, area,
                                application ? application->title : kFieldPlaceholder, kBlack);
                break;
            case ControlSpec::Kind::DescriptionField:
                FillPixels(window, area, model.descriptionBrush.value_or(kButtonFace), area);
                DrawWrapped(window, fonts.description, area,
                            application ? application->description : kFieldPlaceholder, kBlack);
                break;
            case ControlSpec::Kind::ScreenField:
                DrawScreen(window, control, application, pictures);
                break;
        }
    }
    return window;
}
