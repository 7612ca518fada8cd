#pragma once

#include <gtest/gtest.h>

#include <string>

#include "attribute_edit.h"

// An edit gave exactly the expected file, or was refused with a reason where none is expected.
inline void ExpectEdited(const EditedFile& edited, const std::string& expected, const char* rule) {
    if (expected.empty()) {
        EXPECT_FALSE(edited.bytes) << rule;
        EXPECT_FALSE(edited.refusal.empty()) << rule;
    } else {
        ASSERT_TRUE(edited.bytes) << rule << ": " << edited.refusal;
        EXPECT_EQ(*edited.bytes, expected) << rule;
    }
}
