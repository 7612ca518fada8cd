#include <windows.h>

#include <fstream>
#include <string>

// Started by the launch tests. Writes into the file named by its first argument how it was
// asked to show itself ("<STARTF_USESHOWWINDOW set> <wShowWindow>"), then its further
// arguments one a line.
int main(int argc, char** argv) {
    if (argc < 2) return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const std::string report = argv[1];
    const std::string part = report + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        out << ((startup.dwFlags & STARTF_USESHOWWINDOW) ? 1 : 0) << ' ' << startup.wShowWindow
            << '\n';
        for (int i = 2; i < argc; ++i) out << argv[i] << '\n';
    }
    // Renamed once whole, so the test never reads half a report.
    return MoveFileExA(part.c_str(), report.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
