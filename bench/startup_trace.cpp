// MarkStartup of the traced menu: the performance counter at the first time of each mark.
// At the first paint it writes one "index counter" line per mark reached to the file that
// DISCMENU_STARTUP_TRACE names. The counter is the system's, so the bench that started the
// process can subtract its own start.
#include <windows.h>

#include <cstdio>

#include "app/startup_marks.h"

namespace {
constexpr int kMarks = static_cast<int>(StartupMark::MainWindowPainted) + 1;
long long g_counters[kMarks];
}  // namespace

void MarkStartup(StartupMark mark) {
    const int index = static_cast<int>(mark);
    if (g_counters[index] != 0) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    g_counters[index] = now.QuadPart;
    if (mark != StartupMark::MainWindowPainted) return;
    char path[MAX_PATH];
    if (!GetEnvironmentVariableA("DISCMENU_STARTUP_TRACE", path, sizeof(path))) return;
    if (FILE* file = std::fopen(path, "w")) {
        for (int i = 0; i < kMarks; ++i) {
            if (g_counters[i] != 0) std::fprintf(file, "%d %lld\n", i, g_counters[i]);
        }
        std::fclose(file);
    }
}
