#include "element_identity.h"

#include <gtest/gtest.h>

#include "document_from_text.h"

namespace {

TEST(ElementIdentity, NamesEachElementAsAnotherLanguageWouldHoldIt) {
    const ConfigDocument document = DocumentFromText(
        "<window title=Start/>\n"
        "<item type=button name=close/>\n"
        "<item type=banner name=ad/>\n"
        "<item type=button name=close/>\n"
        "<menu name=games text=Gry/>\n"
        "<menuitem parent=games/>\n"
        "<menuitem parent=games/>\n"
        "<application type=games title=One/>\n"
        "<application type=tools title=Two/>\n"
        "<application type=games title=Three/>\n");
    const std::vector<std::string> expected = {"window",
                                               "item close",
                                               "item ad",
                                               "item close 2",
                                               "menu games",
                                               "menuitem games 1",
                                               "menuitem games 2",
                                               "application games 1",
                                               "application tools 1",
                                               "application games 2"};
    EXPECT_EQ(ElementIdentities(document), expected);
    EXPECT_EQ(FindByIdentity(document, "application games 2"), 9u);
    EXPECT_FALSE(FindByIdentity(document, "application games 3"));
}

}  // namespace
