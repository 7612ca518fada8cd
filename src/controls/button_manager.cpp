#include "controls/button_manager.h"

#include "app/handles.h"
#include "controls/image_button.h"
#include "controls/image_table.h"

namespace {

struct SharedButtons {
    HINSTANCE instance = nullptr;
    ImageTable<UniqueBitmap> images;
};

// Never destroyed: the main window is a static object too, and its destructor still releases
// the bitmaps, whatever the order of static destruction.
SharedButtons& Shared() {
    static auto* shared = new SharedButtons;
    return *shared;
}

}  // namespace

void ButtonManager::RegisterButtonClass(HINSTANCE instance) {
    Shared().instance = instance;
    WNDCLASSEXA buttonClass{};
    buttonClass.cbSize = sizeof(buttonClass);
    buttonClass.lpfnWndProc = ImageButtonProc;
    buttonClass.hInstance = instance;
    buttonClass.hCursor = LoadCursorA(nullptr, IDC_HAND);
    buttonClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    buttonClass.lpszClassName = kButtonClassName;
    RegisterClassExA(&buttonClass);
}

bool ButtonManager::CreateButton(const std::string& caption, const std::string& imageName,
                                 bool fromResource, int x, int y, int width, int height,
                                 HWND parent, int controlId) {
    HWND button = CreateWindowExA(
        0, kButtonClassName, caption.c_str(), WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), Shared().instance, nullptr);
    if (!button) return false;
    const int image = fromResource ? LoadImageResource(imageName) : LoadImageFile(imageName);
    Shared().images.Bind(controlId, image);
    return true;
}

int ButtonManager::LoadImageFile(const std::string& imageName) {
    return Shared().images.FindOrLoad(imageName, [&] {
        return UniqueBitmap(static_cast<HBITMAP>(
            LoadImageA(nullptr, imageName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    });
}

int ButtonManager::LoadImageResource(const std::string& imageName) {
    return Shared().images.FindOrLoad(imageName, [&] {
        return UniqueBitmap(static_cast<HBITMAP>(
            LoadImageA(Shared().instance, imageName.c_str(), IMAGE_BITMAP, 0, 0, 0)));
    });
}

void ButtonManager::ReleaseImages() {
    Shared().images.ReleaseBitmaps();
    Shared().instance = nullptr;
}

void ButtonManager::HideButton(HWND parent, int controlId) {
    if (HWND child = GetDlgItem(parent, controlId)) ShowWindow(child, SW_HIDE);
}

void ButtonManager::ShowButton(HWND parent, int controlId) {
    if (HWND child = GetDlgItem(parent, controlId)) ShowWindow(child, SW_SHOW);
}

void ButtonManager::EnableButton(HWND parent, int controlId) {
    if (HWND child = GetDlgItem(parent, controlId)) {
        ShowWindow(child, SW_HIDE);
        EnableWindow(child, TRUE);
        ShowWindow(child, SW_SHOW);
    }
}

void ButtonManager::DisableButton(HWND parent, int controlId) {
    if (HWND child = GetDlgItem(parent, controlId)) EnableWindow(child, FALSE);
}

int ButtonManager::FindImage(const std::string& imageName) {
    return Shared().images.Find(imageName);
}

int ButtonManager::ImageForControl(int controlId) { return Shared().images.ImageFor(controlId); }

HBITMAP ButtonManager::ImageBitmap(int index) {
    const UniqueBitmap* bitmap = Shared().images.BitmapAt(index);
    return bitmap ? bitmap->Get() : nullptr;
}
