#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>

// A picture file (JPEG in practice) loaded through the OLE picture service, offered as a GDI
// bitmap with its size in screen pixels. The bitmap belongs to the picture object: it stays
// valid until Release, the next Load or destruction, and users never delete it.
class Picture {
public:
    Picture() = default;
    ~Picture() { Release(); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Empties the picture, then loads the file at the density of the window's screen. A failed
    // load leaves no bitmap and the size of the last successful one.
    void Load(HWND window, const std::string& path);
    // Drops the picture and its bitmap; the size stays.
    void Release();

    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void Open(HWND window, const std::wstring& path);

    IPicture* picture_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
