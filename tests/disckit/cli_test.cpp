#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "config/config_document.h"
#include "fixture_disc.h"
#include "iso_image_reader.h"
#include "temp_dir.h"

namespace {

// Runs disckit with the arguments; its exit status, its standard output and error in the files.
int Disckit(const std::string& arguments, const std::string& output = "/dev/null",
            const std::string& errors = "/dev/null") {
    const std::string command =
        std::string(DISCKIT_PATH) + " " + arguments + " >" + output + " 2>" + errors;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class DisckitCli : public testing::Test {
protected:
    std::string Disc(const FixtureDisc& disc) {
        disc.WriteTo(dir_.Path("disc"));
        return dir_.Path("disc");
    }

    TempDir dir_;
};

TEST_F(DisckitCli, CheckExitsByWhatItFound) {
    FixtureDisc clean;
    EXPECT_EQ(Disckit("check " + Disc(clean)), 0);
    EXPECT_EQ(Disckit("check --strict " + Disc(clean)), 0);

    FixtureDisc warned;
    warned.Remove("autorun.inf");
    std::filesystem::remove_all(dir_.Path("disc"));
    EXPECT_EQ(Disckit("check " + Disc(warned)), 0);
    EXPECT_EQ(Disckit("check " + Disc(warned) + " --strict"), 1);

    FixtureDisc broken;
    broken.Remove("Menu/cat.bmp");
    std::filesystem::remove_all(dir_.Path("disc"));
    EXPECT_EQ(Disckit("check " + Disc(broken)), 1);

    EXPECT_EQ(Disckit("check " + dir_.Path("nothing-here")), 2);
}

TEST_F(DisckitCli, CheckJsonIsTheSameFindings) {
    FixtureDisc broken;
    broken.Edit("Menu/pl.dat", "intro=true", "intro=1");
    const std::string out = dir_.Path("out.json");
    EXPECT_EQ(Disckit("check --json " + Disc(broken), out), 1);
    const nlohmann::json json = nlohmann::json::parse(TempDir::Read(out));
    ASSERT_EQ(json["findings"].size(), 1u);
    EXPECT_EQ(json["findings"][0]["file"], "Menu/pl.dat");
    EXPECT_EQ(json["findings"][0]["line"], 1);
    EXPECT_EQ(json["findings"][0]["severity"], "error");
}

TEST_F(DisckitCli, PackAndUnpackAreByteExactBothWays) {
    const std::string text = "<window title=\"Pe\xB3ne\" width=1/>\r\n<item a=1/>\nend";
    const std::string dat = dir_.Write("menu.dat", text);
    ASSERT_EQ(Disckit("pack " + dat), 0);
    const std::string bin = dir_.Path("menu.bin");
    ASSERT_EQ(Disckit("unpack " + bin + " -o " + dir_.Path("back.dat")), 0);
    EXPECT_EQ(TempDir::Read(dir_.Path("back.dat")), text);
    ASSERT_EQ(Disckit("pack " + dir_.Path("back.dat") + " -o " + dir_.Path("again.bin")), 0);
    EXPECT_EQ(TempDir::Read(dir_.Path("again.bin")), TempDir::Read(bin));

    ConfigDocument fromText;
    ConfigDocument fromBinary;
    ASSERT_EQ(fromText.LoadText(dat), 0);
    ASSERT_EQ(fromBinary.LoadBinary(bin), 0);
    EXPECT_EQ(fromBinary.Elements().size(), fromText.Elements().size());
    EXPECT_EQ(fromBinary.Elements()[0].Attributes(), fromText.Elements()[0].Attributes());
}

TEST_F(DisckitCli, UnpackReadsAnOddLastByteAsTheLoaderDoes) {
    const std::string bin = dir_.Write("odd.bin", std::string("<\0a\0/\0>", 7));
    ASSERT_EQ(Disckit("unpack " + bin), 0);
    EXPECT_EQ(TempDir::Read(dir_.Path("odd.dat")), "<a/>");
    EXPECT_EQ(Disckit("unpack " + dir_.Path("missing.bin")), 2);
}

TEST_F(DisckitCli, DumpChoosesTheFormByNameOrFlag) {
    const std::string units = std::string("<\0e\0 \0k\0=\0\xB3\xFF/\0>\0", 16);
    dir_.Write("m.bin", units);
    dir_.Write("m.units", units);
    const std::string out = dir_.Path("dump.json");
    ASSERT_EQ(Disckit("dump --json " + dir_.Path("m.bin"), out), 0);
    const nlohmann::json expected =
        nlohmann::json::parse(R"([{"name": "e", "attributes": [["k", "\u0142"]]}])");
    EXPECT_EQ(nlohmann::json::parse(TempDir::Read(out)), expected);
    ASSERT_EQ(Disckit("dump --json --bin " + dir_.Path("m.units"), out), 0);
    EXPECT_EQ(nlohmann::json::parse(TempDir::Read(out)), expected);
    EXPECT_EQ(Disckit("dump " + dir_.Path("none.dat")), 2);
}

TEST_F(DisckitCli, IsoChecksFirstAndWritesTheDiscWithTheMenuAndAutorun) {
    FixtureDisc clean;
    clean.Remove("autorun.inf");
    const std::string exe = dir_.Write("start32.exe", "MZ menu");
    const std::string image = dir_.Path("disc.iso");
    EXPECT_EQ(Disckit("iso " + Disc(clean) + " -o " + image + " --exe " + exe + " --label DEMO"),
              0);
    const auto files = ReadJolietFiles(image);
    EXPECT_EQ(files.at("start.exe"), "MZ menu");
    EXPECT_EQ(files.at("autorun.inf"),
              "[autorun]\r\nopen=start.exe\r\nicon=start.exe,0\r\nlabel=DEMO\r\n");
    EXPECT_EQ(ReadVolumeLabel(image), "DEMO");

    FixtureDisc broken;
    broken.Remove("Menu/cat.bmp");
    std::filesystem::remove_all(dir_.Path("disc"));
    std::filesystem::remove(image);
    EXPECT_EQ(Disckit("iso " + Disc(broken) + " -o " + image + " --exe " + exe), 1);
    EXPECT_FALSE(std::filesystem::exists(image));
    EXPECT_EQ(Disckit("iso " + Disc(broken) + " -o " + image + " --exe " + exe + " --force"), 0);
    EXPECT_TRUE(std::filesystem::exists(image));
}

TEST_F(DisckitCli, NewWritesADiscThatChecksCleanAndRefusesAFullFolder) {
    const std::string disc = dir_.Path("new");
    EXPECT_EQ(Disckit("new " + disc + " --languages de,pl"), 0);
    const std::string out = dir_.Path("out.json");
    EXPECT_EQ(Disckit("check --strict --json " + disc, out), 0);
    EXPECT_EQ(nlohmann::json::parse(TempDir::Read(out))["findings"].size(), 0u);
    EXPECT_EQ(Disckit("new " + disc), 1);
}

}  // namespace

// A picture for a sound disc and for a broken one (whose findings are summed up on standard
// error), none for a folder that is no disc.
TEST_F(DisckitCli, PreviewDrawsWhatTheMenuWouldAndSaysWhatCheckFinds) {
    FixtureDisc broken;
    broken.Remove("Menu/cat.bmp");
    const std::string disc = Disc(broken);
    const std::string png = dir_.Path("menu.png");
    const std::string sheet = dir_.Path("sheet.png");
    const std::string errors = dir_.Path("errors.txt");
    EXPECT_EQ(Disckit("preview " + disc + " -o " + png, "/dev/null", errors), 0);
    EXPECT_EQ(TempDir::Read(png).substr(1, 3), "PNG");
    EXPECT_NE(TempDir::Read(errors).find("1 error, "), std::string::npos);
    EXPECT_EQ(Disckit("preview " + disc + " --sheet -o " + sheet), 0);
    EXPECT_EQ(TempDir::Read(sheet).substr(1, 3), "PNG");
    EXPECT_EQ(Disckit("preview " + disc + " --menu nope -o " + png), 1);
    EXPECT_EQ(Disckit("preview " + dir_.Path("nothing-here") + " -o " + png), 2);
}
