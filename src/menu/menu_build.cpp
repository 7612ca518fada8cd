#include <new>

#include "app/startup_marks.h"
#include "app/text_font.h"
#include "menu/menu_window.h"

namespace {

constexpr char kFieldPlaceholder[] = "Tytul wybranej aplikacji";

HWND CreateStatic(HWND parent, HINSTANCE instance, const ControlSpec& control, const char* text,
                  DWORD style) {
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, control.rect.x,
                           control.rect.y, control.rect.width, control.rect.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                           nullptr);
}

UniqueBrush BrushFor(const std::optional<uint32_t>& colour) {
    if (!colour) return {};
    return UniqueBrush(CreateSolidBrush(*colour));
}

}  // namespace

void MenuWindow::BuildMenu() {
    if (document_) {
        model_ = BuildMenuModel(*document_);
        for (const ControlSpec& control : model_.controls) CreateControl(control);
        MarkStartup(StartupMark::ControlsCreated);
        for (const BannerSpec& layout : model_.banners) AddBanner(layout);
        MarkStartup(StartupMark::BannersLoaded);
        titleBrush_ = BrushFor(model_.titleBrush);
        descriptionBrush_ = BrushFor(model_.descriptionBrush);
    }
    titleFont_ = CreateTextFont(18, "Arial", true, false);
    MenuView& view = *this;
    navigator_ = std::make_unique<MenuNavigator>(model_.menus, view);
    if (!model_.menus.empty()) {
        SendMessageA(window_, WM_COMMAND, static_cast<WPARAM>(model_.menus.front().id), 0);
    }
    MarkStartup(StartupMark::FirstMenuSelected);
}

void MenuWindow::CreateControl(const ControlSpec& control) {
    switch (control.kind) {
        case ControlSpec::Kind::Button:
            buttons_.CreateButton(control.caption, control.image, false, control.rect.x,
                                  control.rect.y, control.rect.width, control.rect.height, window_,
                                  control.id);
            if (control.hidden) buttons_.HideButton(window_, control.id);
            return;
        case ControlSpec::Kind::TitleField:
            titleField_ = CreateStatic(window_, instance_, control, kFieldPlaceholder,
                                       SS_CENTER | SS_CENTERIMAGE);
            return;
        case ControlSpec::Kind::DescriptionField:
            descriptionField_ =
                CreateStatic(window_, instance_, control, kFieldPlaceholder, SS_LEFT);
            return;
        case ControlSpec::Kind::ScreenField:
            CreateStatic(window_, instance_, control, "Screen", SS_BITMAP | SS_CENTERIMAGE);
            return;
    }
}

void MenuWindow::AddBanner(const BannerSpec& layout) {
    Banner banner{layout, nullptr, 0, 1, {}};
    if (!layout.image.empty()) {
        try {
            banner.picture = std::make_unique<Picture>();
        } catch (const std::bad_alloc&) {
            MessageBoxA(window_, "Błąd alokacji pamięci dla grafiki.", nullptr, MB_OK);
        }
    }
    if (banner.picture) {
        banner.picture->Load(window_, programFolder_ + layout.image);
        if (banner.picture->Bitmap()) {
            banner.frameCount = FrameCount(banner.picture->Width(), layout.rect.width);
            banner.source = BitmapDc(banner.picture->Bitmap());
        } else {
            banner.picture.reset();
        }
    }
    banners_.push_back(std::move(banner));
    if (layout.timer != -1) {
        SetTimer(window_, banners_.size(), static_cast<UINT>(layout.timer), nullptr);
    }
}
