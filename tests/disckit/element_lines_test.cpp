#include "element_lines.h"

#include <gtest/gtest.h>

#include "edited_file_expect.h"

namespace {

enum class Op { kInsert, kDelete, kMove };

struct LinesRow {
    const char* rule;
    std::string file;
    Op op;
    size_t first;  // insert: before which element
    size_t count;  // move: before which element
    std::string lines;
    std::string expected;  // the whole file after; empty when refused
};

class ElementLinesTest : public testing::TestWithParam<LinesRow> {};

TEST_P(ElementLinesTest, ChangesOnlyTheLinesOfTheElements) {
    const LinesRow& row = GetParam();
    EditedFile edited;
    switch (row.op) {
        case Op::kInsert:
            edited = InsertLines(row.file, row.first, row.lines);
            break;
        case Op::kDelete:
            edited = DeleteElements(row.file, row.first, row.count);
            break;
        case Op::kMove:
            edited = MoveElements(row.file, row.first, 1, row.count);
            break;
    }
    ExpectEdited(edited, row.expected, row.rule);
}

const std::string kThree = "<window title=Start/>\n  <item name=a/>\n<item name=b/>\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, ElementLinesTest,
    testing::Values(
        LinesRow{"a deleted element takes its line", kThree, Op::kDelete, 1, 1, "",
                 "<window title=Start/>\n<item name=b/>\n"},
        LinesRow{"a deleted last line takes the line end before it", "<a/>\n<b/>", Op::kDelete, 1,
                 1, "", "<a/>"},
        LinesRow{"an element sharing its line leaves the rest of it", "<a/> <b/>\n", Op::kDelete, 1,
                 1, "", "<a/> \n"},
        LinesRow{"a multi-line element goes whole", "<a t=\"x\r\ny\"/>\r\n<b/>\r\n", Op::kDelete, 0,
                 1, "", "<b/>\r\n"},
        LinesRow{"added after the last, with the file's line ends", "<a/>\r\n", Op::kInsert, 1, 0,
                 "<b t=\"1\n2\"/>", "<a/>\r\n<b t=\"1\r\n2\"/>\r\n"},
        LinesRow{"added before the first", kThree, Op::kInsert, 0, 0, "<z/>", "<z/>\n" + kThree},
        LinesRow{"added after a last line without a line end", "<a/>", Op::kInsert, 1, 0, "<b/>",
                 "<a/>\n<b/>"},
        LinesRow{"added before what the menu does not read", "<a/>\n\x1a<junk/>", Op::kInsert, 1, 0,
                 "<b/>", "<a/>\n<b/>\n\x1a<junk/>"},
        LinesRow{"added to a file of no element", "", Op::kInsert, 0, 0, "<a/>", "<a/>\n"},
        LinesRow{"a text of no element is refused", kThree, Op::kInsert, 1, 0, "item", ""},
        LinesRow{"a moved element moves its lines", kThree, Op::kMove, 2, 1, "",
                 "<window title=Start/>\n<item name=b/>\n  <item name=a/>\n"},
        LinesRow{"a last line moved up keeps the file's end", "<a/>\n<b/>", Op::kMove, 1, 0, "",
                 "<b/>\n<a/>"},
        LinesRow{"moved to the end", kThree, Op::kMove, 0, 3, "",
                 "  <item name=a/>\n<item name=b/>\n<window title=Start/>\n"}));

TEST(ElementLinesTest, CopiesTheLinesOfElementsAsTheyStand) {
    EXPECT_EQ(ElementLines(kThree, 1, 2), "  <item name=a/>\n<item name=b/>");
    EXPECT_EQ(ElementLines("<a/> <b/>\n", 1, 1), "<b/>");
    EXPECT_FALSE(ElementLines(kThree, 2, 2));
}

}  // namespace
