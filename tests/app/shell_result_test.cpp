#include "app/shell_result.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShellFailureCaption, NamesTheFourReportedFailures) {
    struct Row {
        std::intptr_t result;
        const char* caption;
    };
    const Row rows[] = {
        {0, "The operating system is out of memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {11, "The .exe file is invalid (non-Microsoft Win32® .exe or error in .exe image)."},
    };
    for (const Row& row : rows) {
        const auto caption = ShellFailureCaption(row.result);
        ASSERT_TRUE(caption.has_value()) << row.result;
        EXPECT_EQ(*caption, row.caption) << row.result;
    }
}

TEST(ShellFailureCaption, TheRegisteredSignIsOneWindows1250Byte) {
    const std::string caption = ShellFailureCaption(11).value();
    EXPECT_EQ(caption.size(), 76u);
    EXPECT_EQ(caption.substr(43, 3), "32\xAE");
}

TEST(ShellFailureCaption, PassesOverSuccessAndEveryOtherFailure) {
    // Access denied, no association, sharing violation, DDE failures, success values.
    for (std::intptr_t result : {-1, 1, 4, 5, 8, 10, 12, 26, 27, 28, 29, 30, 31, 32, 33, 42}) {
        EXPECT_FALSE(ShellFailureCaption(result).has_value()) << result;
    }
}

}  // namespace
