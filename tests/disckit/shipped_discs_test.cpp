#include <gtest/gtest.h>

#include <sstream>

#include "disc_check.h"
#include "findings_output.h"
#include "starter_disc.h"
#include "temp_dir.h"

namespace {

std::string Listed(const Findings& findings) {
    std::ostringstream out;
    PrintFindings(findings, out);
    return out.str();
}

TEST(ShippedDiscs, TheDemoDiscAndStarterDiscsCheckWithoutAFinding) {
    const DiscCheck demo = CheckDisc(DEMO_DISC);
    EXPECT_FALSE(demo.unreadable);
    EXPECT_TRUE(demo.findings.All().empty()) << Listed(demo.findings);

    const TempDir work;
    for (const std::vector<std::string>& languages :
         {std::vector<std::string>{"pl", "en"}, std::vector<std::string>{"cs"}}) {
        const std::filesystem::path disc = work.Path(languages.front());
        WriteStarterDisc(disc, languages);
        const DiscCheck starter = CheckDisc(disc);
        EXPECT_FALSE(starter.unreadable);
        EXPECT_TRUE(starter.findings.All().empty()) << Listed(starter.findings);
    }
}

}  // namespace
