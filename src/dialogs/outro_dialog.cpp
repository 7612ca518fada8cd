#include "dialogs/outro_dialog.h"

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "app/handles.h"
#include "app/program_folder.h"
#include "app/picture.h"
#include "dialogs/picture_dialog.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT kCloseAfterMs = 4000;
constexpr char kPictureName[] = "Menu\\outro.jpg";

// From initialisation to closing the dialog owns its picture through its DWLP_USER word.
const Picture* PictureOf(HWND dialog) {
    return reinterpret_cast<const Picture*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void DeletePicture(HWND dialog) {
    const std::unique_ptr<Picture> picture(
        reinterpret_cast<Picture*>(SetWindowLongPtrA(dialog, DWLP_USER, 0)));
}

// The executable's full name, however long.
void LoadPicture(HWND dialog) {
    try {
        auto picture = std::make_unique<Picture>();
        const auto instance =
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
        picture->Load(dialog, ProgramFolder(instance) + kPictureName);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(picture.release()));
    } catch (const std::bad_alloc&) {
        // No memory for the picture: the window shows black for its four seconds.
    }
}

void Initialise(HWND dialog) {
    SetProgramIcon(dialog);
    LoadPicture(dialog);
    ShowCentredOnScreen(dialog, kWidth, kHeight);
    SetTimer(dialog, kCloseTimer, kCloseAfterMs, nullptr);
}

void FillBlack(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// The picture's top-left 640 x 480 pixels; black around a smaller picture or for none.
void Paint(HWND dialog, HDC dc) {
    const Picture* picture = PictureOf(dialog);
    const HBITMAP bitmap = picture ? picture->Bitmap() : nullptr;
    BITMAP size{};
    if (bitmap && GetObjectA(bitmap, sizeof(size), &size) != sizeof(size)) size = {};
    const int shownWidth = std::clamp(static_cast<int>(size.bmWidth), 0, kWidth);
    const int shownHeight = std::clamp(static_cast<int>(size.bmHeight), 0, kHeight);
    if (shownWidth > 0 && shownHeight > 0) {
        const UniqueMemoryDc source(CreateCompatibleDC(dc));
        const SelectGuard select(source.Get(), bitmap);
        BitBlt(dc, 0, 0, shownWidth, shownHeight, source.Get(), 0, 0, SRCCOPY);
    }
    FillBlack(dc, {shownWidth, 0, kWidth, kHeight});
    FillBlack(dc, {0, shownHeight, shownWidth, kHeight});
}

void Close(HWND dialog) {
    DeletePicture(dialog);
    KillTimer(dialog, kCloseTimer);
    EndDialog(dialog, 0);
}

}  // namespace

INT_PTR CALLBACK OutroDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr PictureDialogParts kParts{kCloseTimer, Initialise, Paint, Close,
                                               DeletePicture};
    return HandlePictureDialog(kParts, dialog, message, wParam, lParam);
}

void ShowOutro(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, "Intro", owner, OutroDialog, 0);
}
