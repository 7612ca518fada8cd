#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* rule;
    const char* commandLine;
    CommandLineParts parts;
};

const SplitCase kSplitCases[] = {
    {"program alone", "setup.exe", {"setup.exe", ""}},
    {"program and arguments", "setup.exe /S /D=C:\\App", {"setup.exe", "/S /D=C:\\App"}},
    {"tab separates", "setup.exe\t/S", {"setup.exe", "/S"}},
    {"all separating blanks go", "setup.exe \t  /S", {"setup.exe", "/S"}},
    {"arguments kept byte for byte", "setup.exe /S  \"a b\"\t ", {"setup.exe", "/S  \"a b\"\t "}},
    {"trailing blank alone", "setup.exe ", {"setup.exe", ""}},
    {"quoted path with spaces",
     "\"C:\\Program Files\\App\\setup.exe\" /S",
     {"C:\\Program Files\\App\\setup.exe", "/S"}},
    {"quoted path alone", "\"D:\\Moje gry\\gra.exe\"", {"D:\\Moje gry\\gra.exe", ""}},
    {"argument right after the quote", "\"x.exe\"/S", {"x.exe", "/S"}},
    {"unquoted path stops at the space",
     "C:\\Program Files\\setup.exe /S",
     {"C:\\Program", "Files\\setup.exe /S"}},
    {"unclosed quote runs to the end", "\"C:\\a b\\setup.exe /S", {"C:\\a b\\setup.exe /S", ""}},
    {"empty quotes", "\"\" /S", {"", "/S"}},
    {"leading blanks", " \t setup.exe /S", {"setup.exe", "/S"}},
    {"leading blanks before a quote", "  \"a b.exe\" x", {"a b.exe", "x"}},
    {"empty", "", {"", ""}},
    {"blanks only", " \t ", {"", ""}},
    {"Polish bytes kept",
     "\"E:\\Płyta\\instaluj.exe\" /język",
     {"E:\\Płyta\\instaluj.exe", "/język"}},
};

TEST(SplitCommandLine, FollowsTheDocumentedProgramRule) {
    for (const SplitCase& row : kSplitCases) {
        const CommandLineParts parts = SplitCommandLine(row.commandLine);
        EXPECT_EQ(parts.program, row.parts.program) << row.rule;
        EXPECT_EQ(parts.arguments, row.parts.arguments) << row.rule;
    }
}

}  // namespace
