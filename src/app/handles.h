#pragma once

#include <windows.h>

#include <utility>

// Owning wrappers for Win32 handles: one owner each, movable, never copied.
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle Release() { return std::exchange(handle_, Handle{}); }
    void Reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

template <class H>
struct GdiObjectTraits {
    using Handle = H;
    static void Close(H handle) { DeleteObject(handle); }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static void Close(HDC dc) { DeleteDC(dc); }
};

struct IconTraits {
    using Handle = HICON;
    static void Close(HICON icon) { DestroyIcon(icon); }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// A window's device context, given back to its window at the end of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    // GetDCEx's flags, DCX_CLIPCHILDREN for one.
    WindowDc(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return paint_.hdc; }
    // The part of the window this paint has to draw.
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Selects an object into a device context and selects the previous one back at scope exit.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context that holds one bitmap selected for its whole life, so that paints
// copy from it without selecting anything: under Wine each selection costs about as much as
// the copy of a whole banner. The bitmap must outlive it; it is selected out before the
// context is deleted.
class BitmapDc {
public:
    BitmapDc() = default;
    explicit BitmapDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
        if (dc_) previous_ = SelectObject(dc_.Get(), bitmap);
    }
    ~BitmapDc() { SelectBack(); }
    BitmapDc(BitmapDc&& other) noexcept
        : dc_(std::move(other.dc_)), previous_(std::exchange(other.previous_, nullptr)) {}
    BitmapDc& operator=(BitmapDc&& other) noexcept {
        if (this != &other) {
            SelectBack();
            dc_ = std::move(other.dc_);
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }

    HDC Get() const { return dc_.Get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }

private:
    void SelectBack() {
        if (dc_ && previous_) SelectObject(dc_.Get(), previous_);
        previous_ = nullptr;
    }

    UniqueMemoryDc dc_;
    HGDIOBJ previous_ = nullptr;
};
