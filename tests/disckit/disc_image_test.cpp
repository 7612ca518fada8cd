#include "disc_image.h"

#include <gtest/gtest.h>

#include "autorun_file.h"
#include "iso_image_reader.h"
#include "temp_dir.h"

namespace {

// File names on Linux are UTF-8 whatever the program texts are.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class DiscImageTest : public ::testing::Test {
protected:
    DiscImageTest() {
        disc_ = work_.Path("disc");
        std::filesystem::create_directories(work_.Path("disc/Menu"));
        std::filesystem::create_directories(work_.Path("disc/Instalatory"));
        work_.Write("disc/Menu/lang.dat", "<window width=300 height=200/>\r\n");
        work_.Write(Utf8(u8"disc/Menu/Tło okna.bmp"), std::string("BM\0\x01\xff", 5));
        work_.Write(Utf8(u8"disc/Instalatory/Program o bardzo długiej nazwie pliku, którą Joliet "
                         u8"mieści.exe"),
                    "MZ");
        exe_ = work_.Write("start32.exe", "MZ start");
    }

    DiscImageOptions Options() const {
        DiscImageOptions options;
        options.discDir = disc_;
        options.output = work_.Path("disc.iso");
        options.exe = exe_;
        options.label = "DEMO_DISC";
        return options;
    }

    TempDir work_;
    std::string disc_;
    std::string exe_;
};

TEST_F(DiscImageTest, HoldsTheFolderWithJolietNamesAndAddsWhatAutorunNeeds) {
    uint64_t lastWritten = 0;
    uint64_t lastTotal = 0;
    DiscImageOptions options = Options();
    options.progress = [&](uint64_t written, uint64_t total) {
        EXPECT_GT(written, lastWritten);
        lastWritten = written;
        lastTotal = total;
    };
    ASSERT_EQ(WriteDiscImage(options), "");

    const auto files = ReadJolietFiles(options.output.string());
    const std::map<std::string, std::string> expected = {
        {Utf8(u8"Instalatory/Program o bardzo długiej nazwie pliku, którą Joliet mieści.exe"),
         "MZ"},
        {Utf8(u8"Menu/Tło okna.bmp"), std::string("BM\0\x01\xff", 5)},
        {"Menu/lang.dat", "<window width=300 height=200/>\r\n"},
        {"autorun.inf", "[autorun]\r\nopen=start.exe\r\nicon=start.exe,0\r\nlabel=DEMO_DISC\r\n"},
        {"start.exe", "MZ start"},
    };
    EXPECT_EQ(files, expected);
    EXPECT_EQ(ReadVolumeLabel(options.output.string()), "DEMO_DISC");
    EXPECT_EQ(lastWritten, lastTotal);
    EXPECT_EQ(lastTotal, TempDir::Read(options.output.string()).size());
}

TEST_F(DiscImageTest, KeepsTheDiscsOwnProgramAndAutorunWhateverTheirCase) {
    work_.Write("disc/START.EXE", "MZ own");
    work_.Write("disc/AutoRun.inf", "[autorun]\r\nopen=START.EXE\r\n");
    DiscImageOptions options = Options();
    options.exe.clear();
    ASSERT_EQ(WriteDiscImage(options), "");

    const auto files = ReadJolietFiles(options.output.string());
    EXPECT_EQ(files.count("start.exe"), 0u);
    EXPECT_EQ(files.count("autorun.inf"), 0u);
    EXPECT_EQ(files.at("START.EXE"), "MZ own");
    EXPECT_EQ(files.at("AutoRun.inf"), "[autorun]\r\nopen=START.EXE\r\n");
}

TEST_F(DiscImageTest, RefusesWhatWouldMakeABrokenDisc) {
    DiscImageOptions noProgram = Options();
    noProgram.exe = work_.Path("missing.exe");
    EXPECT_NE(WriteDiscImage(noProgram).find("has no start.exe"), std::string::npos);

    DiscImageOptions noFolder = Options();
    noFolder.discDir = work_.Path("nowhere");
    EXPECT_NE(WriteDiscImage(noFolder).find("is not a folder"), std::string::npos);

    DiscImageOptions longLabel = Options();
    longLabel.label = "SEVENTEEN_LETTERS";
    EXPECT_NE(WriteDiscImage(longLabel).find("1 to 16"), std::string::npos);

    DiscImageOptions noOutput = Options();
    noOutput.output = work_.Path("nowhere/disc.iso");
    EXPECT_NE(WriteDiscImage(noOutput).find("cannot create"), std::string::npos);
}

TEST_F(DiscImageTest, RelativePathsAreTakenFromTheCurrentFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(work_.Path(""));
    DiscImageOptions options = Options();
    options.discDir = "disc";
    options.exe = "start32.exe";
    options.output = "disc.iso";
    const std::string problem = WriteDiscImage(options);
    std::filesystem::current_path(previous);
    ASSERT_EQ(problem, "");
    EXPECT_EQ(ReadJolietFiles(work_.Path("disc.iso")).at("start.exe"), "MZ start");
}

TEST(AutorunFile, LabelsAreCheckedAndDerivedFromFolderNames) {
    EXPECT_EQ(LabelProblem("Demo disc-2_x"), "");
    EXPECT_NE(LabelProblem(""), "");
    EXPECT_NE(LabelProblem(Utf8(u8"ŁÓDŹ")), "");
    EXPECT_NE(LabelProblem("a/b"), "");
    EXPECT_EQ(LabelFromFolderName("demo-disc"), "DEMO_DISC");
    EXPECT_EQ(LabelFromFolderName(Utf8(u8"płyta z programami 2026")), "P__YTA_Z_PROGRAM");
    EXPECT_EQ(LabelFromFolderName(""), "DISC");
    EXPECT_EQ(AutorunText(""), "[autorun]\r\nopen=start.exe\r\nicon=start.exe,0\r\n");
}

TEST_F(DiscImageTest, AFixedTimeDatesTheVolumeInsteadOfNow) {
    DiscImageOptions options = Options();
    options.time = 1000000000;
    ASSERT_EQ(WriteDiscImage(options), "");
    EXPECT_EQ(ReadVolumeCreationTime(options.output.string()), 1000000000);
}

}  // namespace
