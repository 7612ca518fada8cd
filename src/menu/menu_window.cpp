#include "menu/menu_window.h"

#include "app/launch.h"
#include "app/program_folder.h"
#include "app/startup_marks.h"
#include "dialogs/splash_dialog.h"
#include "menu/banner_rules.h"
#include "menu/start_options.h"

MenuWindow::MenuWindow() { buttons_.RegisterButtonClass(GetModuleHandleA(nullptr)); }

MenuWindow::~MenuWindow() {
    if (window_) KillTimer(window_, 1);
    buttons_.ReleaseImages();
}

void MenuWindow::OnCreate() {
    MarkStartup(StartupMark::MainWindowCreated);
    const StartOptions options = document_ ? ReadStartOptions(*document_) : StartOptions{};
    for (const StartStep& step : options.steps) {
        if (step.kind == StartStep::Kind::Intro) {
            ShowSplash(instance_, window_);
        } else {
            MessageBoxA(window_, step.text.c_str(), step.title.c_str(), MB_OK);
        }
    }
    outro_ = options.outro;

    programFolder_ = ProgramFolder(instance_);
    backgroundSource_ = {};
    background_.Load(window_, programFolder_ + "Menu\\menumain.jpg");
    if (background_.Bitmap()) backgroundSource_ = BitmapDc(background_.Bitmap());
    MarkStartup(StartupMark::BackgroundLoaded);
    CreateBackBuffer();
    BuildMenu();
    Invalidate();
}

void MenuWindow::CreateBackBuffer() {
    WindowDc windowDc(window_);
    backBitmap_.Reset(CreateCompatibleBitmap(windowDc.Get(), width_, height_));
    backBuffer_ = BitmapDc(backBitmap_.Get());
}

void MenuWindow::RunMessageLoop() {
    while (GetMessageA(&message_, nullptr, 0, 0) > 0) {
        TranslateMessage(&message_);
        DispatchMessageA(&message_);
    }
}

void MenuWindow::OnCommand(WPARAM wParam) {
    if (navigator_) navigator_->OnCommand(static_cast<uint32_t>(wParam));
}

LRESULT MenuWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            AdvanceBanner(wParam);
            return 1;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORLISTBOX:
            return ColourField(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_MOUSEMOVE:
            hoveredBanner_ = LinkBannerAt(model_.banners, LOWORD(lParam), HIWORD(lParam));
            if (hoveredBanner_ >= 0) SetCursor(LoadCursorA(nullptr, IDC_HAND));
            return 0;
        case WM_LBUTTONDOWN:
            // Any background point drags the whole window; a link banner opens after the drag.
            SendMessageA(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            [[fallthrough]];
        case WM_LBUTTONUP:
            if (hoveredBanner_ >= 0 && static_cast<size_t>(hoveredBanner_) < banners_.size() &&
                !banners_[hoveredBanner_].layout.link.empty()) {
                ::OpenDocument(banners_[hoveredBanner_].layout.link);
            }
            return 0;
        default:
            return AppWindow::HandleMessage(window, message, wParam, lParam);
    }
}

LRESULT MenuWindow::ColourField(HDC dc, HWND field) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    if (field && field == titleField_) {
        SelectObject(dc, titleFont_.Get());
        return reinterpret_cast<LRESULT>(titleBrush_.Get());
    }
    if (field && field == descriptionField_) {
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        return reinterpret_cast<LRESULT>(descriptionBrush_.Get());
    }
    return 0;
}
