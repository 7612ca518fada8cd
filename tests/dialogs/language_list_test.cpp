#include "dialogs/language_list.h"

#include <gtest/gtest.h>

#include "config/config_document.h"
#include "temp_dir.h"

namespace {

TEST(LanguageNames, OnlyExactButtonItemsInFileOrder) {
    TempDir dir;
    ConfigDocument document;
    ASSERT_EQ(document.LoadText(dir.Write("lang.dat",
                                          "<window width=300 height=200/>\n"
                                          "<item type=button name=pl/>\n"
                                          "<item type=Button name=de/>\n"
                                          "<item type=text name=fr/>\n"
                                          "<button type=button name=it/>\n"
                                          "<item type=button name=en type=text/>\n"
                                          "<item type=button/>\n")),
              0);
    EXPECT_EQ(LanguageNames(document), (std::vector<std::string>{"pl", "en", ""}));
}

}  // namespace
