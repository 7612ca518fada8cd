#include "app/startup_marks.h"
#include "menu/banner_rules.h"
#include "menu/menu_window.h"

// Every paint is composed in the back buffer and copied in one block: nothing flickers. Only
// the part to draw is composed and copied.
void MenuWindow::OnPaint() {
    PaintScope paint(window_);
    ShowArea(paint.Dc(), paint.Area());
    MarkStartup(StartupMark::MainWindowPainted);
}

void MenuWindow::ShowArea(HDC dc, const RECT& area) {
    HDC back = backBuffer_.Get();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    IntersectClipRect(back, area.left, area.top, area.right, area.bottom);
    PatBlt(back, area.left, area.top, width, height, WHITENESS);
    DrawContents(back);
    SelectClipRgn(back, nullptr);
    BitBlt(dc, area.left, area.top, width, height, back, area.left, area.top, SRCCOPY);
}

const Menu* MenuWindow::CurrentMenu() const {
    return navigator_ ? navigator_->CurrentMenu() : nullptr;
}

void MenuWindow::DrawContents(HDC dc) {
    if (backgroundSource_) {
        BitBlt(dc, 0, 0, width_, height_, backgroundSource_.Get(), 0, 0, SRCCOPY);
    }
    const Menu* current = CurrentMenu();
    for (const Banner& banner : banners_) {
        if (!banner.source || !IsBannerDrawn(banner.layout, current)) continue;
        const ControlRect& r = banner.layout.rect;
        BitBlt(dc, r.x, r.y, r.width, r.height, banner.source.Get(), banner.frame * r.width, 0,
               SRCCOPY);
    }
}

// A tick draws the banner's next frame at once rather than through WM_PAINT: under Wine the
// paint cycle alone costs several copies of a banner. The controls over it are clipped out,
// so they keep their pixels and need no repaint; an area that waits for a paint gets one.
void MenuWindow::AdvanceBanner(WPARAM timer) {
    if (timer == 0 || timer > banners_.size()) return;
    Banner& banner = banners_[timer - 1];
    banner.frame = NextFrame(banner.frame, banner.frameCount);
    if (!banner.source || !IsBannerDrawn(banner.layout, CurrentMenu())) return;
    WindowDc window(window_, DCX_CACHE | DCX_CLIPCHILDREN);
    ShowArea(window.Get(), BannerArea(banner));
}

RECT MenuWindow::BannerArea(const Banner& banner) {
    const ControlRect& r = banner.layout.rect;
    return {r.x, r.y, FarEdge(r.x, r.width), FarEdge(r.y, r.height)};
}

void MenuWindow::InvalidateBanners() {
    for (const Banner& banner : banners_) {
        if (!banner.picture) continue;
        const RECT area = BannerArea(banner);
        InvalidateRect(window_, &area, TRUE);
    }
}
