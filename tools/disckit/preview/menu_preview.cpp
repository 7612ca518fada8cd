#include "menu_preview.h"

#include <algorithm>

#include "app/main_window_settings.h"
#include "menu/banner_rules.h"
#include "menu/menu_model.h"
#include "button_draw.h"
#include "picture_cache.h"
#include "menu_state.h"
#include "text_layout.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
// What a static shows behind itself without a brush of the window's: the button face colour.
constexpr std::uint32_t kButtonFace = 0xF0F0F0;
constexpr char kFieldPlaceholder[] = "Tytul wybranej aplikacji";

PixelRect Area(const ControlRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

void DrawScreen(Raster& target, const ControlSpec& control, const Application* application,
                Pictures& pictures) {
    const PixelRect area = Area(control.rect);
    FillPixels(target, area, kButtonFace, area);
    const Raster* shot = application ? pictures.Get(application->screen) : nullptr;
    if (!shot) return;
    // SS_CENTERIMAGE keeps the control's size and centres the picture in it, clipped; in 64
    // bits, as the description's sizes may reach the ends of int.
    const long long x = area.x + (static_cast<long long>(area.width) - shot->width) / 2;
    const long long y = area.y + (static_cast<long long>(area.height) - shot->height) / 2;
    const long long left = std::max<long long>({x, area.x, 0});
    const long long top = std::max<long long>({y, area.y, 0});
    const long long right = std::min<long long>(
        {x + shot->width, static_cast<long long>(area.x) + area.width, target.width});
    const long long bottom = std::min<long long>(
        {y + shot->height, static_cast<long long>(area.y) + area.height, target.height});
    if (right > left && bottom > top) {
        CopyPixels(target, static_cast<int>(left), static_cast<int>(top), *shot,
                   static_cast<int>(left - x), static_cast<int>(top - y),
                   static_cast<int>(right - left), static_cast<int>(bottom - top));
    }
}

}  // namespace

std::optional<Raster> RenderMenu(const ConfigDocument& document, const PreviewState& state,
                                 const PreviewFonts& fonts, Pictures& pictures,
                                 std::vector<PixelRect>* texts) {
    const MainWindowSettings settings = ReadMainWindowSettings(document, nullptr);
    MenuState menu(document);
    if (!menu.GoTo(state)) return std::nullopt;
    const MenuModel& model = menu.Model();

    Raster window(settings.width, settings.height, kWhite);
    if (const Raster* background = pictures.Get("Menu\\menumain.jpg")) {
        CopyPixels(window, 0, 0, *background, 0, 0, window.width, window.height);
    }
    for (const BannerSpec& banner : model.banners) {
        const Raster* strip = banner.image.empty() ? nullptr : pictures.Get(banner.image);
        if (!strip || !IsBannerDrawn(banner, menu.Navigator().CurrentMenu())) continue;
        const ControlRect& r = banner.rect;
        CopyPixels(window, r.x, r.y, *strip, 0, 0, r.width, r.height);
    }

    const Application* application = menu.View().ShownApplication();
    const auto drawn = [texts](PixelRect box) {
        if (texts && box.width > 0 && box.height > 0) texts->push_back(box);
    };
    for (size_t i = 0; i < model.controls.size(); ++i) {
        const ControlSpec& control = model.controls[i];
        const bool shown = menu.Shown(i);
        const bool enabled = menu.Enabled(i);
        const PixelRect area = Area(control.rect);
        switch (control.kind) {
            case ControlSpec::Kind::Button:
                if (shown) {
                    drawn(DrawImageButton(window, area, control.image, control.caption, enabled,
                                          state.hover == control.id, pictures, fonts.caption));
                }
                break;
            case ControlSpec::Kind::TitleField:
                FillPixels(window, area, model.titleBrush.value_or(kButtonFace), area);
                drawn(DrawCentredLine(window, fonts.title, area,
                                      application ? application->title : kFieldPlaceholder,
                                      kTextColour));
                break;
            case ControlSpec::Kind::DescriptionField:
                FillPixels(window, area, model.descriptionBrush.value_or(kButtonFace), area);
                drawn(DrawWrapped(window, fonts.description, area,
                                  application ? application->description : kFieldPlaceholder,
                                  kTextColour));
                break;
            case ControlSpec::Kind::ScreenField:
                DrawScreen(window, control, application, pictures);
                break;
        }
    }
    return window;
}
