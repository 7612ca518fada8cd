#include "app/picture.h"

#include <olectl.h>

#include "app/handles.h"

namespace {

constexpr int kHimetricPerInch = 2540;

// Paths are ANSI text, so bytes above 0x7F are widened through the ANSI code page.
std::wstring WidenAnsi(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.pop_back();
    return wide;
}

// OLE hands GDI handles out as 32 bits; 64-bit Windows wants them sign-extended back.
HBITMAP BitmapFromOleHandle(OLE_HANDLE handle) {
    return reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

}  // namespace

void Picture::Load(HWND window, const std::string& path) {
    Release();
    const HRESULT ole = OleInitialize(nullptr);
    Open(window, WidenAnsi(path));
    // A thread already in another apartment refuses OleInitialize; uninitialising anyway
    // would drop the reference its owner holds.
    if (SUCCEEDED(ole)) OleUninitialize();
}

void Picture::Release() {
    if (picture_) {
        picture_->Release();
        picture_ = nullptr;
    }
    bitmap_ = nullptr;
}

void Picture::Open(HWND window, const std::wstring& path) {
    if (path.empty()) return;
    IPicture* picture = nullptr;
    const HRESULT loaded = OleLoadPicturePath(const_cast<LPOLESTR>(path.c_str()), nullptr, 0, 0,
                                              IID_IPicture, reinterpret_cast<void**>(&picture));
    // A failed call owes no reference; a success other than S_OK still hands one over.
    if (FAILED(loaded)) return;
    picture_ = picture;
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    // Icons and metafiles load too, but their handles are no bitmaps to select or blit.
    if (loaded != S_OK || !picture_ || FAILED(picture_->get_Type(&type)) ||
        type != PICTYPE_BITMAP || FAILED(picture_->get_Handle(&handle)) ||
        FAILED(picture_->get_Width(&width)) || FAILED(picture_->get_Height(&height))) {
        Release();
        return;
    }
    bitmap_ = BitmapFromOleHandle(handle);
    const WindowDc dc(window);
    width_ = MulDiv(width, GetDeviceCaps(dc.Get(), LOGPIXELSX), kHimetricPerInch);
    height_ = MulDiv(height, GetDeviceCaps(dc.Get(), LOGPIXELSY), kHimetricPerInch);
}
