// Start-up under Wine: from CreateProcess to the first complete paint of the menu, against a
// minimal window that quits after its first paint, and against a window that shows the menu's
// background JPEG through OLE, timed as the menu is. Runs alternate; prints the medians, then
// the peak working set of the menu and the bare window once painted and idle for a second.
//   startup_bench <menu.exe> <disc folder> <floor.exe> <runs> <picture>
// The menu's first paint is complete when its thread first waits for input: GetMessage only
// waits once no window of the thread has anything left to paint.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/handles.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Started {
    UniqueKernelHandle process;
    Clock::time_point at;
};

Started Start(const std::string& program, const std::string& arguments, const char* folder) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const Clock::time_point at = Clock::now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    CloseHandle(info.hThread);
    return {UniqueKernelHandle(info.hProcess), at};
}

double MillisecondsSince(Clock::time_point at) {
    return std::chrono::duration<double, std::milli>(Clock::now() - at).count();
}

void WaitForFirstPaint(HANDLE process) {
    if (WaitForInputIdle(process, 30000) != 0) {
        std::fprintf(stderr, "no first paint within 30 s\n");
        std::exit(1);
    }
}

// The menu's main window, visible: it idled in its own loop, not in some message box.
void ExpectMainWindow(HANDLE process) {
    HWND window = FindWindowA("Kasasasasdow", nullptr);
    DWORD owner = 0;
    if (window) GetWindowThreadProcessId(window, &owner);
    if (!window || owner != GetProcessId(process) || !IsWindowVisible(window)) {
        std::fprintf(stderr, "the menu idled without its main window\n");
        std::exit(1);
    }
}

void End(HANDLE process) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

size_t PeakWorkingSetKb(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) return 0;
    return counters.PeakWorkingSetSize / 1024;
}

size_t PeakAfterIdle(const std::string& program, const std::string& arguments, const char* folder) {
    Started started = Start(program, arguments, folder);
    WaitForFirstPaint(started.process.Get());
    Sleep(1000);
    const size_t peak = PeakWorkingSetKb(started.process.Get());
    End(started.process.Get());
    return peak;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(
            stderr, "usage: startup_bench <menu.exe> <disc folder> <floor.exe> <runs> <picture>\n");
        return 2;
    }
    const std::string menu = argv[1];
    const char* disc = argv[2];
    const std::string floor = argv[3];
    const int runs = std::max(1, std::atoi(argv[4]));
    const std::string picture = std::string("picture ") + argv[5];

    // One untimed start of each fills the caches.
    PeakAfterIdle(menu, "", disc);
    WaitForSingleObject(Start(floor, "", nullptr).process.Get(), INFINITE);

    PeakAfterIdle(floor, picture, nullptr);

    std::vector<double> floorTimes;
    std::vector<double> pictureTimes;
    std::vector<double> menuTimes;
    for (int run = 0; run < runs; ++run) {
        Started floorRun = Start(floor, "", nullptr);
        WaitForSingleObject(floorRun.process.Get(), INFINITE);
        floorTimes.push_back(MillisecondsSince(floorRun.at));

        Started pictureRun = Start(floor, picture, nullptr);
        WaitForFirstPaint(pictureRun.process.Get());
        pictureTimes.push_back(MillisecondsSince(pictureRun.at));
        End(pictureRun.process.Get());

        Started menuRun = Start(menu, "", disc);
        WaitForFirstPaint(menuRun.process.Get());
        menuTimes.push_back(MillisecondsSince(menuRun.at));
        ExpectMainWindow(menuRun.process.Get());
        End(menuRun.process.Get());
    }
    std::printf("runs=%d\n", runs);
    std::printf("floor_start_ms=%.1f\n", Median(floorTimes));
    std::printf("picture_start_ms=%.1f\n", Median(pictureTimes));
    std::printf("menu_start_ms=%.1f\n", Median(menuTimes));
    std::printf("floor_peak_kb=%zu\n", PeakAfterIdle(floor, "stay", nullptr));
    std::printf("menu_peak_kb=%zu\n", PeakAfterIdle(menu, "", disc));
    return 0;
}
