// Loads a generated menu description of about 5 MB in both storage forms, each next to the floor
// of reading the same file into memory and scanning it once. Google Benchmark reports the
// throughput of each as bytes_per_second.
#include <benchmark/benchmark.h>

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

// The description in both forms in a temp folder, for as long as the benchmarks run.
class MenuFiles {
public:
    MenuFiles() {
        std::filesystem::create_directories(dir_);
        const std::string text = GeneratedMenu(5'000'000);
        std::ofstream(TextPath(), std::ios::binary) << text;
        ConfigDocument document;
        document.LoadText(TextPath());
        document.SaveBinary(BinaryPath());
        textBytes_ = static_cast<int64_t>(std::filesystem::file_size(TextPath()));
        binaryBytes_ = static_cast<int64_t>(std::filesystem::file_size(BinaryPath()));
    }
    ~MenuFiles() { std::filesystem::remove_all(dir_); }

    std::string TextPath() const { return (dir_ / "menu.dat").string(); }
    std::string BinaryPath() const { return (dir_ / "menu.bin").string(); }
    // Each form's throughput counts the bytes of its own file, as its floor does.
    int64_t TextBytes() const { return textBytes_; }
    int64_t BinaryBytes() const { return binaryBytes_; }

private:
    std::filesystem::path dir_ = std::filesystem::temp_directory_path() / "discmenu-bench";
    int64_t textBytes_ = 0;
    int64_t binaryBytes_ = 0;
};

void ReadAndScan(benchmark::State& state, const std::string& path, int64_t bytes) {
    for (auto _ : state) {
        size_t opens = 0;
        for (const char c : ReadFileBytes(path).value_or("")) opens += c == '<';
        benchmark::DoNotOptimize(opens);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void ReadAndScanText(benchmark::State& state, const MenuFiles& files) {
    ReadAndScan(state, files.TextPath(), files.TextBytes());
}

void ReadAndScanBinary(benchmark::State& state, const MenuFiles& files) {
    ReadAndScan(state, files.BinaryPath(), files.BinaryBytes());
}

void LoadText(benchmark::State& state, const MenuFiles& files) {
    for (auto _ : state) {
        ConfigDocument document;
        benchmark::DoNotOptimize(document.LoadText(files.TextPath()));
    }
    state.SetBytesProcessed(state.iterations() * files.TextBytes());
}

void LoadBinary(benchmark::State& state, const MenuFiles& files) {
    for (auto _ : state) {
        ConfigDocument document;
        benchmark::DoNotOptimize(document.LoadBinary(files.BinaryPath()));
    }
    state.SetBytesProcessed(state.iterations() * files.BinaryBytes());
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const MenuFiles files;
    const auto add = [&](const char* name, void (*run)(benchmark::State&, const MenuFiles&)) {
        benchmark::RegisterBenchmark(name, [&files, run](benchmark::State& state) {
            run(state, files);
        })->Unit(benchmark::kMillisecond);
    };
    add("read_and_scan_text", ReadAndScanText);
    add("LoadText", LoadText);
    add("read_and_scan_binary", ReadAndScanBinary);
    add("LoadBinary", LoadBinary);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
