#include "menu/start_options.h"

#include <gtest/gtest.h>

#include "document_from_text.h"

namespace {

TEST(StartOptions, StepsFollowTheDocumentAndOnlyTrueCounts) {
    const StartOptions options =
        ReadStartOptions(DocumentFromText("<item type=message title=First text=\"Before intro\"/>\n"
                                          "<window title=x intro=true outro=true intro=false/>\n"
                                          "<item type=message title=Second text=After/>\n"
                                          "<item type=Message title=No/>\n"));
    ASSERT_EQ(options.steps.size(), 4u);
    EXPECT_EQ(options.steps[0].kind, StartStep::Kind::Message);
    EXPECT_EQ(options.steps[0].title, "First");
    EXPECT_EQ(options.steps[0].text, "Before intro");
    EXPECT_EQ(options.steps[1].kind, StartStep::Kind::Intro);
    EXPECT_EQ(options.steps[2].kind, StartStep::Kind::Intro);
    EXPECT_EQ(options.steps[3].title, "Second");
    EXPECT_TRUE(options.outro);
}

TEST(StartOptions, OtherSpellingsMeanNo) {
    for (const char* value : {"True", "1", "yes", "\"true \"", "TRUE"}) {
        const StartOptions options = ReadStartOptions(
            DocumentFromText(std::string("<window intro=") + value + " outro=" + value + "/>\n"));
        EXPECT_TRUE(options.steps.empty()) << value;
        EXPECT_FALSE(options.outro) << value;
    }
}

}  // namespace
