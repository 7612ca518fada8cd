#include "app/startup_marks.h"
#include "menu/banner_rules.h"
#include "menu/menu_window.h"

// Every paint is composed in the back buffer and copied in one block: nothing flickers. Only
// the part to draw is composed and copied, so a banner's tick costs the banner's size.
void MenuWindow::OnPaint() {
    PaintScope paint(window_);
    const RECT& area = paint.Area();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC back = backBuffer_.Get();
    IntersectClipRect(back, area.left, area.top, area.right, area.bottom);
    PatBlt(back, area.left, area.top, width, height, WHITENESS);
    DrawContents(back);
    SelectClipRgn(back, nullptr);
    BitBlt(paint.Dc(), area.left, area.top, width, height, back, area.left, area.top, SRCCOPY);
    MarkStartup(StartupMark::MainWindowPainted);
}

void MenuWindow::DrawContents(HDC dc) {
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (background_.Bitmap()) {
        SelectGuard select(source.Get(), background_.Bitmap());
        BitBlt(dc, 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
    }
    const Menu* current = navigator_ ? navigator_->CurrentMenu() : nullptr;
    for (const Banner& banner : banners_) {
        if (!banner.picture || !IsBannerDrawn(banner.layout, current)) continue;
        const ControlRect& r = banner.layout.rect;
        SelectGuard select(source.Get(), banner.picture->Bitmap());
        BitBlt(dc, r.x, r.y, r.width, r.height, source.Get(), banner.frame * r.width, 0, SRCCOPY);
    }
}

void MenuWindow::AdvanceBanner(WPARAM timer) {
    if (timer == 0 || timer > banners_.size()) return;
    Banner& banner = banners_[timer - 1];
    banner.frame = NextFrame(banner.frame, banner.frameCount);
    InvalidateBanner(banner);
}

void MenuWindow::InvalidateBanner(const Banner& banner) {
    const ControlRect& r = banner.layout.rect;
    const RECT rect{r.x, r.y, FarEdge(r.x, r.width), FarEdge(r.y, r.height)};
    InvalidateRect(window_, &rect, TRUE);
}

void MenuWindow::InvalidateBanners() {
    for (const Banner& banner : banners_) {
        if (banner.picture) InvalidateBanner(banner);
    }
}
