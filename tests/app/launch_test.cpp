#include "app/launch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/path_folder.h"
#include "app/program_start.h"
#include "message_box_watch.h"
#include "temp_dir.h"

namespace {

constexpr char kRunCaption[] = "Błąd podczas uruchamiania programu.";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The probe program is built beside this test.
std::string ProbePath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof(self));
    return DirectoryOfPath(self) + "\\launch_probe.exe";
}

// The probe's report, or "" when none arrives within ten seconds. The report is never empty,
// and reading can fail for a moment while the probe is still renaming it into place.
std::string AwaitReport(const std::string& path) {
    for (int poll = 0; poll < 1000; ++poll) {
        std::string report = TempDir::Read(path);
        if (!report.empty()) return report;
        Sleep(10);
    }
    return {};
}

DWORD FailsAsElevationRequired(const std::string&) { return kElevationRequired; }
DWORD FailsAsAccessDenied(const std::string&) { return ERROR_ACCESS_DENIED; }

TEST(RunProgram, StartsTheProgramShownNormallyWithItsArgumentsAndReturns) {
    TempDir dir;
    const std::string report = dir.Path("report.txt");
    MessageBoxWatch watch;
    RunProgram(Quoted(ProbePath()) + " " + Quoted(report) + " /S\t\"a b\"");
    EXPECT_FALSE(watch.Finish());
    EXPECT_EQ(AwaitReport(report), "1 1\n/S\na b\n");
}

// Windows refuses CreateProcess for installers that ask for administrator rights.
TEST(RunProgram, ProgramNeedingElevationStartsThroughTheShell) {
    TempDir dir;
    const std::string folder = dir.Path("Moje programy");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string installer = folder + "\\instaluj.exe";
    ASSERT_TRUE(CopyFileA(ProbePath().c_str(), installer.c_str(), FALSE));
    const std::string report = dir.Path("report.txt");

    MessageBoxWatch watch;
    RunProgramWith(Quoted(installer) + " \t" + Quoted(report) + " /S \"a b\"",
                   FailsAsElevationRequired);
    EXPECT_FALSE(watch.Finish());
    const std::string text = AwaitReport(report);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.substr(text.find('\n') + 1), "/S\na b\n");
}

TEST(LaunchFailures, ShowTheTargetUnderTheErrorCaption) {
    TempDir dir;
    const std::string missingProgram = dir.Path("brak.exe") + " /S";
    const std::string probe = Quoted(ProbePath()) + " " + Quoted(dir.Path("never.txt"));
    const std::string missingDocument = dir.Path("instrukcja_ż.pdf");
    struct Row {
        const char* rule;
        std::function<void()> action;
        std::string caption;
        std::string text;
    };
    const Row rows[] = {
        {"missing program", [&] { RunProgram(missingProgram); }, kRunCaption, missingProgram},
        {"empty command line", [&] { RunProgram(""); }, kRunCaption, ""},
        {"elevation wanted but the shell cannot start it either",
         [&] { RunProgramWith(missingProgram, FailsAsElevationRequired); }, kRunCaption,
         missingProgram},
        {"other failures do not try the shell", [&] { RunProgramWith(probe, FailsAsAccessDenied); },
         kRunCaption, probe},
        {"missing document", [&] { OpenDocument(missingDocument); },
         "The specified file was not found.", missingDocument},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        MessageBoxWatch watch;
        row.action();
        ASSERT_TRUE(watch.Finish());
        EXPECT_EQ(watch.Caption(), row.caption);
        EXPECT_EQ(watch.Text(), row.text);
    }
}

TEST(OpenDocument, FileTypeWithoutProgramPassesSilently) {
    TempDir dir;
    const std::string file = dir.Write("notatka.discmenu-unknown", "text");
    MessageBoxWatch watch;
    OpenDocument(file);
    EXPECT_FALSE(watch.Finish());
}

}  // namespace
