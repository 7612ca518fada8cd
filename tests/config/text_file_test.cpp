#include "config/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

struct LineEndCase {
    const char* rule;
    std::string text;
    std::string expected;
};

class LineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, EndEveryLineWithOneLf) {
    std::string text = GetParam().text;
    EndLinesWithLf(text);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LineEnds,
    testing::Values(LineEndCase{"empty_stays_empty", "", ""},
                    LineEndCase{"crlf_lines_move_up", "ab\r\ncd\r\n\r\nef\r\n", "ab\ncd\n\nef\n"},
                    LineEndCase{"last_line_gets_lf_after_moving", "a\r\nbc", "a\nbc\n"},
                    LineEndCase{"lone_cr_at_end_stays", "a\r\n\r", "a\n\r\n"},
                    LineEndCase{"cr_after_lf_is_not_before_it", "\n\r", "\n\r\n"},
                    LineEndCase{"only_one_cr_goes", "a\r\r\n\r\n", "a\r\n\n"},
                    LineEndCase{"lf_only_text_unchanged", "a\n\nb\n", "a\n\nb\n"}),
    [](const testing::TestParamInfo<LineEndCase>& param) { return std::string(param.param.rule); });

TEST(ReadFileBytes, ReadsEveryByteOfAFileLargerThanOneChunk) {
    TempDir dir;
    std::string bytes(200'000, 'x');
    for (size_t i = 0; i < bytes.size(); i += 997) bytes[i] = static_cast<char>(i % 256);
    EXPECT_EQ(ReadFileBytes(dir.Write("big.bin", bytes)), bytes);
    EXPECT_EQ(ReadFileBytes(dir.Write("empty.bin", "")), "");
    EXPECT_EQ(ReadFileBytes(dir.Path("missing.bin")), std::nullopt);
}

TEST(ReadTextFile, EndsAtTheFirstCtrlZWhereBinaryReadingDoesNot) {
    TempDir dir;
    const std::string path = dir.Write("a.txt", "one\ntw\x1ao\nthree\x1a");
    EXPECT_EQ(ReadTextFile(path), "one\ntw");
    EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"one", "tw"}));
    EXPECT_EQ(ReadFileBytes(path), "one\ntw\x1ao\nthree\x1a");
}

TEST(ReadFileBytes, FileOverTheLimitReadsAsOneThatCannotBeOpened) {
    TempDir dir;
    const std::string huge = dir.Sparse("huge.dat", 1'500'000'000);
    EXPECT_EQ(ReadFileBytes(huge), std::nullopt);
    EXPECT_EQ(ReadTextFile(huge), std::nullopt);
    EXPECT_EQ(ReadTextLines(huge), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir.Sparse("over.dat", kMaxTextFileSize + 1)), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir.Sparse("limit.dat", kMaxTextFileSize))->size(), kMaxTextFileSize);
    EXPECT_EQ(ReadFileBytes(dir.Sparse("picture.jpg", kMaxTextFileSize + 1), kNoSizeLimit)->size(),
              kMaxTextFileSize + 1);
}

}  // namespace
