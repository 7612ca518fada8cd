// Start-up under Wine: from CreateProcess to the first complete paint of the menu, against a
// minimal window that quits after its first paint, against a window that shows the menu's
// background JPEG through OLE, timed as the menu is, and against the floor of what the menu's
// description demands (four pictures, the child windows the menu shows). Runs alternate; prints the
// medians, then the peak working set of the menu and the bare window once painted and idle for a
// second. Then it starts the traced build of the menu as often and prints the median time from
// CreateProcess to each start-up mark, and to the first wait for input.
//   startup_bench <menu.exe> <disc folder> <floor.exe> <runs> <picture> <traced menu.exe>
//                 <child windows shown>
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
#include "app/startup_marks.h"

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

const char* MarkName(StartupMark mark) {
    switch (mark) {
        case StartupMark::ProgramEntered:
            return "program_entered";
        case StartupMark::LanguageDialogCreated:
            return "language_dialog_created";
        case StartupMark::LanguageDialogShown:
            return "language_dialog_shown";
        case StartupMark::LanguageChosen:
            return "language_chosen";
        case StartupMark::DescriptionRead:
            return "description_read";
        case StartupMark::MainWindowCreated:
            return "main_window_created";
        case StartupMark::BackgroundLoaded:
            return "background_loaded";
        case StartupMark::ControlsCreated:
            return "controls_created";
        case StartupMark::BannersLoaded:
            return "banners_loaded";
        case StartupMark::FirstMenuSelected:
            return "first_menu_selected";
        case StartupMark::MainWindowShown:
            return "main_window_shown";
        case StartupMark::MainWindowPainted:
            return "main_window_painted";
    }
    return "unknown";
}

constexpr int kMarks = static_cast<int>(StartupMark::MainWindowPainted) + 1;

long long Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double CounterMilliseconds(long long ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// The median time to each mark of the traced menu, and to its first wait for input.
void PrintTrace(const std::string& traced, const char* disc, int runs) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof(folder), folder);
    const std::string traceFile = std::string(folder) + "discmenu-startup-trace.txt";
    SetEnvironmentVariableA("DISCMENU_STARTUP_TRACE", traceFile.c_str());
    std::vector<std::vector<double>> marks(kMarks);
    std::vector<double> idle;
    for (int run = 0; run <= runs; ++run) {
        DeleteFileA(traceFile.c_str());
        const long long start = Counter();
        Started started = Start(traced, "", disc);
        WaitForFirstPaint(started.process.Get());
        const long long idleAt = Counter();
        End(started.process.Get());
        if (run == 0) continue;  // fills the caches
        idle.push_back(CounterMilliseconds(idleAt - start));
        FILE* file = std::fopen(traceFile.c_str(), "r");
        int index = 0;
        long long at = 0;
        while (file && std::fscanf(file, "%d %lld", &index, &at) == 2) {
            if (index >= 0 && index < kMarks) {
                marks[index].push_back(CounterMilliseconds(at - start));
            }
        }
        if (file) std::fclose(file);
    }
    for (int index = 0; index < kMarks; ++index) {
        if (marks[index].empty()) continue;
        std::printf("mark_%s_ms=%.1f\n", MarkName(static_cast<StartupMark>(index)),
                    Median(marks[index]));
    }
    std::printf("mark_input_idle_ms=%.1f\n", Median(idle));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr,
                     "usage: startup_bench <menu.exe> <disc folder> <floor.exe> <runs> <picture> "
                     "<traced menu.exe> <child windows shown>\n");
        return 2;
    }
    const std::string menu = argv[1];
    const char* disc = argv[2];
    const std::string floor = argv[3];
    const int runs = std::max(1, std::atoi(argv[4]));
    const std::string picture = std::string("picture ") + argv[5];
    const std::string described = std::string("described ") + argv[7] + " " + argv[5];

    // One untimed start of each fills the caches.
    PeakAfterIdle(menu, "", disc);
    WaitForSingleObject(Start(floor, "", nullptr).process.Get(), INFINITE);

    PeakAfterIdle(floor, picture, nullptr);

    std::vector<double> floorTimes;
    std::vector<double> pictureTimes;
    std::vector<double> describedTimes;
    std::vector<double> menuTimes;
    for (int run = 0; run < runs; ++run) {
        Started floorRun = Start(floor, "", nullptr);
        WaitForSingleObject(floorRun.process.Get(), INFINITE);
        floorTimes.push_back(MillisecondsSince(floorRun.at));

        Started pictureRun = Start(floor, picture, nullptr);
        WaitForFirstPaint(pictureRun.process.Get());
        pictureTimes.push_back(MillisecondsSince(pictureRun.at));
        End(pictureRun.process.Get());

        Started describedRun = Start(floor, described, nullptr);
        WaitForFirstPaint(describedRun.process.Get());
        describedTimes.push_back(MillisecondsSince(describedRun.at));
        End(describedRun.process.Get());

        Started menuRun = Start(menu, "", disc);
        WaitForFirstPaint(menuRun.process.Get());
        menuTimes.push_back(MillisecondsSince(menuRun.at));
        ExpectMainWindow(menuRun.process.Get());
        End(menuRun.process.Get());
    }
    std::printf("runs=%d\n", runs);
    std::printf("floor_start_ms=%.1f\n", Median(floorTimes));
    std::printf("picture_start_ms=%.1f\n", Median(pictureTimes));
    std::printf("described_start_ms=%.1f\n", Median(describedTimes));
    std::printf("menu_start_ms=%.1f\n", Median(menuTimes));
    std::printf("floor_peak_kb=%zu\n", PeakAfterIdle(floor, "stay", nullptr));
    std::printf("menu_peak_kb=%zu\n", PeakAfterIdle(menu, "", disc));
    PrintTrace(argv[6], disc, runs);
    return 0;
}
