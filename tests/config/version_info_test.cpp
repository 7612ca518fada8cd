#include "config/version_info.h"

#include <gtest/gtest.h>

#include "config/file_handle.h"
#include "temp_dir.h"

namespace {

class VersionInfoTest : public testing::Test {
protected:
    VersionInfo Loaded(const std::string& text) {
        VersionInfo version;
        version.SetTrace(trace_.get());
        EXPECT_TRUE(version.Load(dir_.Write("version.dat", text)));
        return version;
    }

    TempDir dir_;
    UniqueFile trace_ = OpenFile(dir_.Path("trace.txt"), "wb");
};

TEST_F(VersionInfoTest, MissingFileFailsAndKeepsInitialValues) {
    VersionInfo version;
    EXPECT_FALSE(version.Load(dir_.Path("version.dat")));
    EXPECT_EQ(version.Title(), "");
    EXPECT_EQ(version.Major(), 0);
    EXPECT_EQ(version.Build(), 0);
}

TEST_F(VersionInfoTest, HugeFileFailsAndTextEndsAtCtrlZ) {
    VersionInfo version;
    EXPECT_FALSE(version.Load(dir_.Sparse("huge.dat", 1'500'000'000)));
    EXPECT_TRUE(version.Lines().empty());

    const VersionInfo cut = Loaded("Title=A\nMajor=2\x1a\nMinor=3\n");
    EXPECT_EQ(cut.Major(), 2);
    EXPECT_EQ(cut.Minor(), 0);
    EXPECT_EQ(cut.Lines().size(), 2u);
}

TEST_F(VersionInfoTest, EmptyFileLoadsWithEmptyFields) {
    const VersionInfo version = Loaded("");
    EXPECT_EQ(version.Title(), "");
    EXPECT_EQ(version.Major(), 0);
    EXPECT_EQ(version.Minor(), 0);
    EXPECT_EQ(version.Build(), 0);
}

TEST_F(VersionInfoTest, ReadsKnownKeysAndTracesEveryLine) {
    const VersionInfo version =
        Loaded("Title=Start\r\nMajor=2\r\nMinor=1\r\nBuild=37\r\nVendor=x\r\n");
    EXPECT_EQ(version.Title(), "Start");
    EXPECT_EQ(version.Major(), 2);
    EXPECT_EQ(version.Minor(), 1);
    EXPECT_EQ(version.Build(), 37);
    EXPECT_EQ(TempDir::Read(dir_.Path("trace.txt")),
              "Key: Title Value: Start\nKey: Major Value: 2\nKey: Minor Value: 1\n"
              "Key: Build Value: 37\nKey: Vendor Value: x\n");
}

TEST_F(VersionInfoTest, ValuesAreTakenAsWritten) {
    const VersionInfo version =
        Loaded("Title=Menu=Main\nBuild=12a\nMinor=4\nMinor=5\nMajor = 9\ntitle=X\n");
    EXPECT_EQ(version.Title(), "Menu=Main");
    EXPECT_EQ(version.Build(), 12);
    EXPECT_EQ(version.Minor(), 5);
    EXPECT_EQ(version.Major(), 0);
}

TEST_F(VersionInfoTest, NumbersReadLikeAtol) {
    EXPECT_EQ(Loaded("Build=").Build(), 0);
    EXPECT_EQ(Loaded("Build=-3").Build(), -3);
    EXPECT_EQ(Loaded("Build=  42").Build(), 42);
}

TEST_F(VersionInfoTest, LinesWithoutSeparatorSetNothing) {
    const VersionInfo version = Loaded("Title\n\nTitle=Real\nBuild\n");
    EXPECT_EQ(version.Title(), "Real");
    EXPECT_EQ(version.Build(), 0);
    ASSERT_EQ(version.Lines().size(), 4u);
    EXPECT_FALSE(version.Lines()[0].value.has_value());
}

TEST_F(VersionInfoTest, SaveWritesCurrentFieldsIntoKnownLinesOnly) {
    VersionInfo version = Loaded("# build notes\nTitle=Old\nBuild=1\nVendor=a=b\n");
    version.SetTitle("New");
    version.SetBuild(-12);
    version.SetMajor(7);
    ASSERT_TRUE(version.Save());

    std::string saved = TempDir::Read(dir_.Path("version.dat"));
    std::erase(saved, '\r');
    EXPECT_EQ(saved, "# build notes\nTitle=New\nBuild=-12\nVendor=a=b\n");
    EXPECT_EQ(version.SavedText(), saved);

    VersionInfo reread;
    reread.SetTrace(nullptr);
    ASSERT_TRUE(reread.Load(dir_.Path("version.dat")));
    EXPECT_EQ(reread.Title(), "New");
    EXPECT_EQ(reread.Build(), -12);
    EXPECT_EQ(reread.Major(), 0);
}

TEST_F(VersionInfoTest, SaveFailsWhenFileCannotBeCreated) {
    VersionInfo version;
    version.SetTrace(nullptr);
    EXPECT_FALSE(version.Load(dir_.Path("missing/version.dat")));
    EXPECT_FALSE(version.Save());
}

}  // namespace
