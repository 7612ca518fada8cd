#include "app/path_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct FolderCase {
    const char* rule;
    std::string path;
    std::string folder;
};

const FolderCase kFolderCases[] = {
    {"drive root", "D:\\menu.exe", "D:"},
    {"one folder", "C:\\Disc\\Start.exe", "C:\\Disc"},
    {"doubled backslash", "C:\\Disc\\\\Start.exe", "C:\\Disc"},
    {"nested folders", "C:\\a\\b\\c.exe", "C:\\a\\b"},
    {"only two backslashes go", "C:\\Disc\\\\\\Start.exe", "C:\\Disc\\"},
    {"trailing backslash", "C:\\Disc\\", "C:\\Disc"},
    {"root of the current drive", "\\menu.exe", ""},
    {"network share", "\\\\server\\share\\start.exe", "\\\\server\\share"},
    {"bare file name", "start.exe", "."},
    {"empty path", "", "."},
    {"Polish bytes kept", "E:\\Płyta\\Menu\\start.exe", "E:\\Płyta\\Menu"},
};

TEST(DirectoryOfPath, CutsTheFileNameAndItsBackslashes) {
    for (const FolderCase& row : kFolderCases) {
        EXPECT_EQ(DirectoryOfPath(row.path), row.folder) << row.rule;
    }
}

TEST(DirectoryOfPath, BufferFormMatchesTheStringForm) {
    for (const FolderCase& row : kFolderCases) {
        char buffer[400];
        EXPECT_TRUE(DirectoryOfPath(row.path.c_str(), buffer, sizeof(buffer))) << row.rule;
        EXPECT_EQ(std::string(buffer), row.folder) << row.rule;
    }
}

// The bytes past the given size carry a mark that must survive every call.
TEST(DirectoryOfPath, BufferFormNeverWritesPastItsSizeAndAlwaysTerminates) {
    constexpr char kMark = 0x5A;
    const std::string path = "C:\\Disc\\Start.exe";
    struct SizeCase {
        std::size_t size;
        bool fits;
        std::string folder;
    };
    const SizeCase cases[] = {
        {8, true, "C:\\Disc"},
        {400, true, "C:\\Disc"},
        {7, false, ""},
        {1, false, ""},
    };
    for (const SizeCase& row : cases) {
        std::vector<char> buffer(row.size + 8, kMark);
        EXPECT_EQ(DirectoryOfPath(path.c_str(), buffer.data(), row.size), row.fits) << row.size;
        EXPECT_EQ(std::string(buffer.data()), row.folder) << row.size;
        for (std::size_t i = row.size; i < buffer.size(); ++i) {
            ASSERT_EQ(buffer[i], kMark) << "size " << row.size << ", byte " << i;
        }
    }
}

TEST(DirectoryOfPath, BufferFormFillsTheRestWithZeros) {
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    ASSERT_TRUE(DirectoryOfPath("D:\\menu.exe", buffer, sizeof(buffer)));
    for (std::size_t i = 2; i < sizeof(buffer); ++i) EXPECT_EQ(buffer[i], '\0') << i;
}

TEST(DirectoryOfPath, ZeroSizeWritesNothing) {
    char buffer = 'x';
    EXPECT_FALSE(DirectoryOfPath("C:\\Disc\\Start.exe", &buffer, 0));
    EXPECT_EQ(buffer, 'x');
}

}  // namespace
