#include "start_exe_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// disckit runs from <root>/p/bin; each case puts a start.exe into the folders it names.
struct SearchCase {
    const char* rule;
    std::vector<std::string> folders;
    std::string expected;  // empty: none found
};

const SearchCase kCases[] = {
    {"none anywhere", {}, ""},
    {"the windows32 build", {"windows32/bin"}, "windows32/bin"},
    {"installed before built", {"p/share/discmenu", "windows32/bin"}, "p/share/discmenu"},
    {"beside before the others", {"p/bin", "p/share/discmenu", "windows32/bin"}, "p/bin"},
};

TEST(StartExeSearch, TakesTheFirstPlaceThatHasOne) {
    for (const SearchCase& c : kCases) {
        TempDir dir;
        const fs::path root = dir.Path("");
        fs::create_directories(root / "p/bin");
        for (const std::string& folder : c.folders) {
            fs::create_directories(root / folder);
            dir.Write(folder + "/start.exe", "MZ");
        }
        const auto found = FindStartExe(root / "p/bin");
        if (c.expected.empty()) {
            EXPECT_FALSE(found) << c.rule;
            continue;
        }
        ASSERT_TRUE(found) << c.rule;
        EXPECT_EQ(found->path, (root / c.expected / "start.exe").lexically_normal()) << c.rule;
    }
}

}  // namespace
