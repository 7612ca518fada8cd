#include "attribute_edit.h"

#include <gtest/gtest.h>

#include "edited_file_expect.h"

namespace {

struct EditRow {
    const char* rule;
    std::string file;
    size_t element;
    std::vector<AttributeChange> changes;
    std::string expected;  // the whole file after; empty when the edit is refused
};

class AttributeEditTest : public testing::TestWithParam<EditRow> {};

TEST_P(AttributeEditTest, ChangesOnlyTheBytesOfTheValues) {
    const EditRow& row = GetParam();
    const EditedFile edited = SetAttributes(row.file, row.element, row.changes);
    ExpectEdited(edited, row.expected, row.rule);
}

const std::string kTwo =
    "<window title=\"Start\" width=640 height=480/>\n"
    "<item type=button name=ok text=\"Go on\" positionX=10 positionY=20/>\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, AttributeEditTest,
    testing::Values(
        EditRow{"replaces a bare value in place",
                kTwo,
                1,
                {{"positionX", "412"}},
                "<window title=\"Start\" width=640 height=480/>\n"
                "<item type=button name=ok text=\"Go on\" positionX=412 positionY=20/>\n"},
        EditRow{"keeps the quotes a value has",
                kTwo,
                1,
                {{"text", "Dalej"}},
                "<window title=\"Start\" width=640 height=480/>\n"
                "<item type=button name=ok text=\"Dalej\" positionX=10 positionY=20/>\n"},
        EditRow{
            "quotes a bare value only when it needs them",
            kTwo,
            1,
            {{"name", "two words"}},
            "<window title=\"Start\" width=640 height=480/>\n"
            "<item type=button name=\"two words\" text=\"Go on\" positionX=10 positionY=20/>\n"},
        EditRow{"adds a missing key before />",
                kTwo,
                1,
                {{"width", "90"}, {"height", "30"}},
                "<window title=\"Start\" width=640 height=480/>\n"
                "<item type=button name=ok text=\"Go on\" positionX=10 positionY=20 width=90 "
                "height=30/>\n"},
        EditRow{"adds after an element with no items",
                "<window/>\n<a b=c />\n",
                1,
                {{"d", "e f"}},
                "<window/>\n<a b=c d=\"e f\" />\n"},
        EditRow{"sets only the first of a repeated key, the one read",
                "<window a=1 a=2/>\n",
                0,
                {{"a", "3"}},
                "<window a=3 a=2/>\n"},
        EditRow{"keeps CR LF and writes a line break of a value as the file does",
                "<window title=x/>\r\n<application title=\"A\" description=\"one\"/>\r\n",
                1,
                {{"description", "one\ntwo"}},
                "<window title=x/>\r\n<application title=\"A\" description=\"one\r\ntwo\"/>\r\n"},
        EditRow{"keeps Windows-1250 bytes around and in the value",
                "<window title=\"Za\xbf\xf3\xb3\xe6\"/>\n<item name=\xb9/>\n",
                1,
                {{"name", "\xea\x9c"}},
                "<window title=\"Za\xbf\xf3\xb3\xe6\"/>\n<item name=\xea\x9c/>\n"},
        EditRow{"leaves what follows the end-of-text byte",
                std::string("<window a=1/>\n\x1A<junk"),
                0,
                {{"a", "2"}},
                std::string("<window a=2/>\n\x1A<junk")},
        EditRow{"refuses a double quote in a value", kTwo, 1, {{"text", "say \"hi\""}}, ""},
        EditRow{"refuses /> in a value", kTwo, 1, {{"text", "a/>b"}}, ""},
        EditRow{"refuses a key the menu cannot read", kTwo, 1, {{"bad key", "1"}}, ""},
        EditRow{"refuses an element the file does not have", kTwo, 2, {{"a", "1"}}, ""},
        EditRow{"refuses to add after an item the menu drops",
                "<item a=1 b/>\n",
                0,
                {{"c", "2"}},
                ""}));

}  // namespace
