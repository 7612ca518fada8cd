// Painting the main menu, in microseconds: one full composition at the window's size against
// the floor of copying one window-sized bitmap to the window, and one tick of the first
// banner (its timer's message, which must leave nothing to paint: the window's update region
// is read once the ticks are done) against taking the window's
// device context, copying a bitmap of the banner's size to its place and giving it back.
// Run in a disc folder whose Menu\en.dat has banners, with the bench beside the disc's Menu.
// Also counts the GDI objects the paints leave behind.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/handles.h"
#include "config/config_document.h"
#include "menu/menu_model.h"
#include "menu/menu_window.h"

HINSTANCE g_instance = nullptr;

namespace {

constexpr int kRuns = 300;

template <class Paint>
double MedianMicroseconds(Paint paint) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        paint();
        GdiFlush();
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace

int main() {
    g_instance = GetModuleHandleA(nullptr);
    ConfigDocument document;
    if (document.LoadText("Menu\\en.dat") != 0) {
        std::fprintf(stderr, "no Menu\\en.dat here\n");
        return 1;
    }
    MenuWindow menu;
    menu.SetLanguage("en");
    menu.SetDocument(document);
    const int width = 800;
    const int height = 600;
    if (!menu.Create(g_instance, nullptr, "Paint bench", nullptr, WS_POPUP, width, height)) {
        return 1;
    }
    menu.Show();
    UpdateWindow(menu.Handle());
    PumpPending();
    HWND window = menu.Handle();

    // The floors: a bitmap copied to the window, at the window's size and at the banner's.
    const ControlRect banner = BuildMenuModel(document).banners.at(0).rect;
    const double floor = [&] {
        WindowDc screen(window);
        UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
        UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        SelectGuard select(memory.Get(), bitmap.Get());
        return MedianMicroseconds(
            [&] { BitBlt(screen.Get(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY); });
    }();
    const double bannerFloor = [&] {
        UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
        UniqueBitmap bitmap(
            CreateCompatibleBitmap(WindowDc(window).Get(), banner.width, banner.height));
        SelectGuard select(memory.Get(), bitmap.Get());
        return MedianMicroseconds([&] {
            WindowDc screen(window);
            BitBlt(screen.Get(), banner.x, banner.y, banner.width, banner.height, memory.Get(), 0,
                   0, SRCCOPY);
        });
    }();

    const DWORD objectsBefore = GdiObjects();
    // The window's own composition; its children have paints of their own.
    const double full = MedianMicroseconds([&] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    });
    const double tick = MedianMicroseconds([&] { SendMessageA(window, WM_TIMER, 1, 0); });
    const bool leftToPaint = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    const DWORD objectsAfter = GdiObjects();

    std::printf("floor_blit_us=%.1f\n", floor);
    std::printf("banner_blit_us=%.1f\n", bannerFloor);
    std::printf("full_composition_us=%.1f\n", full);
    std::printf("banner_tick_us=%.1f\n", tick);
    std::printf("tick_left_to_paint=%d\n", leftToPaint ? 1 : 0);
    std::printf("gdi_objects_left=%ld\n", static_cast<long>(objectsAfter - objectsBefore));
    DestroyWindow(window);
    return 0;
}
