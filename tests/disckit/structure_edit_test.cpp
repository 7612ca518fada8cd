#include "structure_edit.h"

#include <gtest/gtest.h>

#include "edited_file_expect.h"

namespace {

using Kind = StructureChange::Kind;

struct StructureRow {
    const char* rule;
    StructureChange change;
    std::string expected;  // the whole file after; empty when refused
};

const std::string kMenus =
    "<window title=Start/>\n"
    "<item type=button name=close positionX=5 positionY=6/>\n"
    "<menu name=a text=A positionX=0 positionY=0/>\n"
    "<menuitem parent=a/>\n"
    "<application type=a title=One/>\n"
    "<application type=a title=Two/>\n"
    "<menu name=b text=B positionX=0 positionY=30/>\n"
    "<menuitem parent=b/>\n";

class StructureEditTest : public testing::TestWithParam<StructureRow> {};

TEST_P(StructureEditTest, ActsOnTheElementWithItsGroup) {
    const StructureRow& row = GetParam();
    const EditedFile edited = ApplyStructure(kMenus, row.change);
    ExpectEdited(edited, row.expected, row.rule);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StructureEditTest,
    testing::Values(StructureRow{"a menu goes with its templates and applications",
                                 {Kind::kDelete, "menu a", "", ""},
                                 "<window title=Start/>\n"
                                 "<item type=button name=close positionX=5 positionY=6/>\n"
                                 "<menu name=b text=B positionX=0 positionY=30/>\n"
                                 "<menuitem parent=b/>\n"},
                    StructureRow{"an application moves among its menu's",
                                 {Kind::kMoveUp, "application a 2", "", ""},
                                 "<window title=Start/>\n"
                                 "<item type=button name=close positionX=5 positionY=6/>\n"
                                 "<menu name=a text=A positionX=0 positionY=0/>\n"
                                 "<menuitem parent=a/>\n"
                                 "<application type=a title=Two/>\n"
                                 "<application type=a title=One/>\n"
                                 "<menu name=b text=B positionX=0 positionY=30/>\n"
                                 "<menuitem parent=b/>\n"},
                    StructureRow{"a menu moves past the next menu's group",
                                 {Kind::kMoveDown, "menu a", "", ""},
                                 "<window title=Start/>\n"
                                 "<item type=button name=close positionX=5 positionY=6/>\n"
                                 "<menu name=b text=B positionX=0 positionY=30/>\n"
                                 "<menuitem parent=b/>\n"
                                 "<menu name=a text=A positionX=0 positionY=0/>\n"
                                 "<menuitem parent=a/>\n"
                                 "<application type=a title=One/>\n"
                                 "<application type=a title=Two/>\n"},
                    StructureRow{"the first of its kind does not move up",
                                 {Kind::kMoveUp, "application a 1", "", ""},
                                 ""},
                    StructureRow{"a duplicate stands after its original, moved",
                                 {Kind::kDuplicate, "item close", "", ""},
                                 "<window title=Start/>\n"
                                 "<item type=button name=close positionX=5 positionY=6/>\n"
                                 "<item type=button name=close positionX=15 positionY=16/>\n" +
                                     kMenus.substr(kMenus.find("<menu name=a"))},
                    StructureRow{"a duplicated menu takes its new name to its group",
                                 {Kind::kDuplicate, "menu b", "", "b2"},
                                 kMenus + "<menu name=b2 text=B positionX=10 positionY=40/>\n"
                                          "<menuitem parent=b2/>\n"},
                    StructureRow{"lines added after an element's group",
                                 {Kind::kInsert, "menu a", "<application type=a title=Three/>", ""},
                                 kMenus.substr(0, kMenus.find("<menu name=b")) +
                                     "<application type=a title=Three/>\n" +
                                     kMenus.substr(kMenus.find("<menu name=b"))},
                    StructureRow{"an element the file lacks is refused",
                                 {Kind::kDelete, "item help", "", ""},
                                 ""}));

}  // namespace
