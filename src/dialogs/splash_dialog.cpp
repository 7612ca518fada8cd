#include "dialogs/splash_dialog.h"

#include <new>

#include "app/handles.h"
#include "dialogs/picture_dialog.h"
#include "dialogs/region_from_color_key.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 130;
constexpr COLORREF kKeyColour = RGB(0, 0, 255);
constexpr UINT_PTR kCloseTimer = 3;
constexpr UINT kCloseAfterMs = 3000;

// From initialisation to closing the dialog owns the banner through its DWLP_USER word.
HBITMAP BannerOf(HWND dialog) {
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void DeleteBanner(HWND dialog) {
    const UniqueBitmap banner(reinterpret_cast<HBITMAP>(SetWindowLongPtrA(dialog, DWLP_USER, 0)));
}

void ShapeToBanner(HWND dialog, HBITMAP banner) {
    try {
        UniqueRegion shape = RegionFromColorKey(dialog, banner, kKeyColour);
        // A region set on a window belongs to the system.
        if (shape && SetWindowRgn(dialog, shape.Get(), FALSE)) shape.Release();
    } catch (const std::bad_alloc&) {
        // No memory for the pixels: the banner keeps its rectangle.
    }
}

void Initialise(HWND dialog) {
    SetProgramIcon(dialog);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    // Without its bitmap the region is empty and nothing of the banner shows.
    UniqueBitmap banner(LoadBitmapA(instance, "BANER_INTRO"));
    ShapeToBanner(dialog, banner.Get());
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(banner.Release()));
    ShowCentredOnScreen(dialog, kWidth, kHeight);
    SetTimer(dialog, kCloseTimer, kCloseAfterMs, nullptr);
}

void Paint(HWND dialog, HDC dc) {
    const HBITMAP banner = BannerOf(dialog);
    if (!banner) return;
    const UniqueMemoryDc source(CreateCompatibleDC(dc));
    const SelectGuard select(source.Get(), banner);
    BitBlt(dc, 0, 0, kWidth, kHeight, source.Get(), 0, 0, SRCCOPY);
}

void Close(HWND dialog) {
    DeleteBanner(dialog);
    KillTimer(dialog, kCloseTimer);
    // Still shown, but of no size: nothing of the banner stays on the screen.
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    EndDialog(dialog, 0);
}

}  // namespace

INT_PTR CALLBACK SplashDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr PictureDialogParts kParts{kCloseTimer, Initialise, Paint, Close, DeleteBanner};
    return HandlePictureDialog(kParts, dialog, message, wParam, lParam);
}

void ShowSplash(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, "Intro", owner, SplashDialog, 0);
}
