// Painting the main menu: one full composition at the window's size and one banner tick (as the
// banner's timer does it, children under the banner included), in
// microseconds, against the floor of copying one window-sized bitmap to the window. Run in a
// disc folder whose Menu\en.dat has four banners, with the bench beside the disc's Menu.
// Also counts the GDI objects the paints leave behind.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/handles.h"
#include "config/config_document.h"
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

    // The floor: one window-sized copy from a memory bitmap, as every paint ends.
    const double floor = [&] {
        WindowDc screen(window);
        UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
        UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        SelectGuard select(memory.Get(), bitmap.Get());
        return MedianMicroseconds(
            [&] { BitBlt(screen.Get(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY); });
    }();

    const DWORD objectsBefore = GdiObjects();
    // The window's own composition; its children have paints of their own.
    const double full = MedianMicroseconds([&] {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    });
    const double tick = MedianMicroseconds([&] {
        SendMessageA(window, WM_TIMER, 1, 0);
        UpdateWindow(window);
    });
    const DWORD objectsAfter = GdiObjects();

    std::printf("floor_blit_us=%.1f\n", floor);
    std::printf("full_composition_us=%.1f\n", full);
    std::printf("banner_tick_us=%.1f\n", tick);
    std::printf("gdi_objects_left=%ld\n", static_cast<long>(objectsAfter - objectsBefore));
    DestroyWindow(window);
    return 0;
}
