// Loads a generated menu description of about 5 MB in both storage forms and prints
// the time and throughput of each, next to a plain read of the same bytes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/config_document.h"
#include "config/text_file.h"

namespace {

std::string GeneratedMenu(size_t bytes) {
    std::string text = "<window title=\"Benchmark\" width=800 height=600/>\r\n";
    for (int i = 0; text.size() < bytes; ++i) {
        text += "<application menu=\"games\" title=\"Application " + std::to_string(i) +
                "\" text=\"A longer description with spaces, = signs and \xB3\xF3\xBF letters\" "
                "exec=\"setup\\app" +
                std::to_string(i) +
                "\\setup.exe /s\" execopen=false "
                "picture=\"Menu\\shot" +
                std::to_string(i % 50) + ".jpg\"/>\r\n";
    }
    return text;
}

template <class Load>
double Seconds(Load load) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        load();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Report(const char* what, size_t bytes, double seconds) {
    std::printf("%-24s %8.1f ms %8.1f MB/s\n", what, seconds * 1e3, bytes / seconds / 1e6);
}

}  // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / "discmenu-bench";
    std::filesystem::create_directories(dir);
    const std::string datPath = (dir / "menu.dat").string();
    const std::string binPath = (dir / "menu.bin").string();
    const std::string text = GeneratedMenu(5'000'000);
    std::ofstream(datPath, std::ios::binary) << text;

    ConfigDocument document;
    document.LoadText(datPath);
    document.SaveBinary(binPath);
    std::printf("%zu bytes of text, %u elements (best of 5 runs)\n", text.size(),
                document.ElementCount());

    size_t sum = 0;
    Report("read and scan (floor)", text.size(), Seconds([&] {
               for (const char c : ReadFileBytes(datPath).value_or("")) sum += c == '<';
           }));
    Report("LoadText", text.size(), Seconds([&] { ConfigDocument().LoadText(datPath); }));
    Report("LoadBinary", text.size(), Seconds([&] { ConfigDocument().LoadBinary(binPath); }));
    std::filesystem::remove_all(dir);
    return sum == 0;
}
