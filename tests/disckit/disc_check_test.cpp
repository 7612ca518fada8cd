#include "disc_check.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "fixture_disc.h"
#include "temp_dir.h"

namespace {

DiscCheck Check(const FixtureDisc& disc) {
    TempDir dir;
    disc.WriteTo(dir.Path(""));
    return CheckDisc(dir.Path(""));
}

std::string Describe(const Findings& findings) {
    std::string text;
    for (const Finding& f : findings.All()) {
        text += f.file + ":" + std::to_string(f.position.line) + ":" +
                std::to_string(f.position.column) +
                (f.severity == Severity::kError ? " error: " : " warning: ") + f.message + "\n";
    }
    return text;
}

const char kMenu[] = "Menu/pl.dat";
constexpr Severity kError = Severity::kError;
constexpr Severity kWarning = Severity::kWarning;

void EditMenu(FixtureDisc& d, std::string_view from, std::string_view to) {
    d.Edit(kMenu, from, to);
}

std::string ManyApplications(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += "<application type=games exec=setup\\one.exe/>\n";
    return lines;
}

TEST(DiscCheck, CleanDiscHasNoFinding) {
    const DiscCheck check = Check(FixtureDisc());
    EXPECT_FALSE(check.unreadable);
    EXPECT_TRUE(check.findings.All().empty()) << Describe(check.findings);
}

TEST(DiscCheck, LastMenuHoldsAnyNumberOfApplications) {
    FixtureDisc disc;
    disc.Content(kMenu) += ManyApplications(400);
    const DiscCheck check = Check(disc);
    EXPECT_TRUE(check.findings.All().empty()) << Describe(check.findings);
}

TEST(DiscCheck, HugeFilesAreTakenForMissingOnes) {
    TempDir dir;
    FixtureDisc().WriteTo(dir.Path(""));
    dir.Sparse("version.dat", 1'500'000'000);
    dir.Sparse("Menu/pl.dat", 1'500'000'000);
    const DiscCheck check = CheckDisc(dir.Path(""));
    const std::string all = Describe(check.findings);
    EXPECT_NE(all.find("version.dat:0:0 error: a file of 1500000000 bytes"), std::string::npos)
        << all;
    EXPECT_NE(all.find("Menu/pl.dat:0:0 error: a file of 1500000000 bytes"), std::string::npos)
        << all;
    EXPECT_NE(all.find("has no menu description"), std::string::npos) << all;
}

TEST(DiscCheck, DiscWithoutLanguageListCannotBeRead) {
    FixtureDisc disc;
    disc.Remove("Menu/lang.dat");
    EXPECT_TRUE(Check(disc).unreadable);
    TempDir dir;
    EXPECT_TRUE(CheckDisc(dir.Path("no-such-folder")).unreadable);
}

TEST(DiscCheck, ByteWiseLanguageListIsReadWhenTheTextFormIsMissing) {
    FixtureDisc disc;
    std::string units;
    for (const char c : disc.Content("Menu/lang.dat")) units += std::string{c, '\0'};
    disc.Set("Menu/lang.bin", units);
    disc.Remove("Menu/lang.dat");
    const DiscCheck check = Check(disc);
    EXPECT_FALSE(check.unreadable);
    EXPECT_TRUE(check.findings.All().empty()) << Describe(check.findings);
}

struct BrokenDisc {
    const char* rule;
    std::function<void(FixtureDisc&)> breakIt;
    std::string file;
    int line;  // 0: the file as a whole
    Severity severity;
    const char* message;  // a part of the message
    size_t count = 1;     // findings expected in all
};

class BrokenDiscTest : public testing::TestWithParam<BrokenDisc> {};

// Whatever is broken, the preview still draws the disc's screens, or says it is no disc.
void ExpectPreviewDrawn(const std::string& disc) {
    const std::string command = std::string(DISCKIT_PATH) + " preview '" + disc + "' --sheet -o '" +
                                disc + "/sheet.png' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_TRUE(WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 2) << command;
}

TEST_P(BrokenDiscTest, ReportsTheProblemWhereItStands) {
    const BrokenDisc& c = GetParam();
    FixtureDisc disc;
    c.breakIt(disc);
    TempDir dir;
    disc.WriteTo(dir.Path(""));
    const DiscCheck check = CheckDisc(dir.Path(""));
    ExpectPreviewDrawn(dir.Path(""));
    const std::string all = Describe(check.findings);
    ASSERT_EQ(check.findings.All().size(), c.count) << all;
    bool found = false;
    for (const Finding& f : check.findings.All()) {
        found =
            found || (f.file == c.file && f.position.line == c.line && f.severity == c.severity &&
                      f.message.find(c.message) != std::string::npos);
    }
    EXPECT_TRUE(found) << all;
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, BrokenDiscTest,
    testing::Values(
        BrokenDisc{
            "comment_swallows_element",
            [](FixtureDisc& d) { EditMenu(d, "<item type=image", "<!-- x -->\n<item type=image"); },
            kMenu, 6, kError, "comment swallows"},
        BrokenDisc{
            "lone_gt_swallows_next_element",
            [](FixtureDisc& d) { EditMenu(d, "width=200 height=150/>", "width=200 height=150>"); },
            kMenu, 7, kError, "\"<\" inside an element"},
        BrokenDisc{"unclosed_element_at_end",
                   [](FixtureDisc& d) { d.Content(kMenu) += "<item type=text name=description"; },
                   kMenu, 11, kError, "not closed"},
        BrokenDisc{"unclosed_quote",
                   [](FixtureDisc& d) {
                       d.Content(kMenu) += "<item type=text name=description title=\"x/>\n";
                   },
                   kMenu, 11, kError, "unclosed quote"},
        BrokenDisc{
            "key_after_line_break",
            [](FixtureDisc& d) { EditMenu(d, "name=title bgcolor", "name=\"title\"\nbgcolor"); },
            kMenu, 6, kError, "begins with a line break"},
        BrokenDisc{"key_after_extra_space",
                   [](FixtureDisc& d) {
                       EditMenu(d, "bgcolor=\"255;255;255\" position",
                                "bgcolor=\"255;255;255\"  position");
                   },
                   kMenu, 5, kError, "begins with a space"},
        BrokenDisc{"spaces_around_equals",
                   [](FixtureDisc& d) { EditMenu(d, "maxitems=3", "maxitems = 3"); }, kMenu, 9,
                   kError, "spaces around \"=\""},
        BrokenDisc{"text_without_equals",
                   [](FixtureDisc& d) { EditMenu(d, "timer=500/>", "timer=500 loop/>"); }, kMenu, 7,
                   kWarning, "without \"=\""},
        BrokenDisc{"key_differs_in_case",
                   [](FixtureDisc& d) {
                       EditMenu(d, "name=close image=\"Menu\\close.bmp\" positionX",
                                "name=close image=\"Menu\\close.bmp\" PositionX");
                   },
                   kMenu, 2, kError, "\"PositionX\" is not \"positionX\""},
        BrokenDisc{"unknown_key_with_suggestion",
                   [](FixtureDisc& d) { EditMenu(d, "timer=500", "tiemr=500"); }, kMenu, 7,
                   kWarning, "unknown key \"tiemr\""},
        BrokenDisc{"element_differs_in_case",
                   [](FixtureDisc& d) { EditMenu(d, "<item type=image", "<Item type=image"); },
                   kMenu, 6, kError, "<Item> is not <item>"},
        BrokenDisc{"unknown_element", [](FixtureDisc& d) { d.Content(kMenu) += "<windows/>\n"; },
                   kMenu, 11, kWarning, "unknown element <windows>"},
        BrokenDisc{"space_after_open",
                   [](FixtureDisc& d) { d.Content(kMenu) += "< item type=text/>\n"; }, kMenu, 11,
                   kError, "without a name"},
        BrokenDisc{"duplicate_key",
                   [](FixtureDisc& d) { EditMenu(d, "text=\"CD\"", "text=\"CD\" text=\"Audio\""); },
                   kMenu, 4, kWarning, "duplicate key \"text\""},
        BrokenDisc{"number_with_unit",
                   [](FixtureDisc& d) { EditMenu(d, "width=640", "width=640px"); }, kMenu, 1,
                   kWarning, "reads as 640"}),
    [](const testing::TestParamInfo<BrokenDisc>& p) { return std::string(p.param.rule); });

INSTANTIATE_TEST_SUITE_P(
    Model, BrokenDiscTest,
    testing::Values(
        BrokenDisc{"element_without_counterpart",
                   [](FixtureDisc& d) {
                       d.Content("Menu/lang.dat") +=
                           "<item type=button name=en text=\"English\" image=\"Menu\\flag.bmp\" "
                           "positionX=50 positionY=0 width=40 height=20/>\n";
                       d.Set("Menu/en.dat", d.Content(kMenu));
                       d.Set("pomoc_en.txt", "Help\n");
                       d.Edit("Menu/en.dat", "name=ad ", "name=advert ");
                   },
                   kMenu, 7, kWarning, "\"item ad\" has no counterpart in Menu/en.dat", 2},
        BrokenDisc{"template_names_menu_below",
                   [](FixtureDisc& d) {
                       EditMenu(d, "<menu name=games",
                                "<menuitem parent=games/>\n<menu name=games");
                   },
                   kMenu, 8, kError, "not defined above"},
        BrokenDisc{"application_names_unknown_menu",
                   [](FixtureDisc& d) { EditMenu(d, "type=games title", "type=Games title"); },
                   kMenu, 10, kError, "names the menu \"Games\""},
        BrokenDisc{"application_before_only_template",
                   [](FixtureDisc& d) {
                       std::string& menu = d.Content(kMenu);
                       const size_t at = menu.find("<application");
                       const std::string application = menu.substr(at);
                       menu.erase(at);
                       menu.insert(menu.find("<menuitem"), application);
                   },
                   kMenu, 9, kError, "before its menu's template"},
        BrokenDisc{"more_than_149_applications_before_another_menu",
                   [](FixtureDisc& d) {
                       d.Content(kMenu) += ManyApplications(149) +
                                           "<menu name=later image=\"Menu\\cat.bmp\" width=50 "
                                           "height=20/>\n";
                   },
                   kMenu, 159, kError, "more than 149"},
        BrokenDisc{"text_after_ctrl_z",
                   [](FixtureDisc& d) { d.Content(kMenu) += "\x1a<item type=button/>\n"; }, kMenu,
                   11, kWarning, "after a Ctrl-Z"},
        BrokenDisc{"maxitems_below_one",
                   [](FixtureDisc& d) {
                       EditMenu(d, "maxitems=3", "maxitems=0");
                       d.Content(kMenu) += ManyApplications(1);
                   },
                   kMenu, 9, kWarning, "below 1"},
        BrokenDisc{"bgcolor_without_three_parts",
                   [](FixtureDisc& d) { EditMenu(d, "\"255;255;255\"", "\"255;255\""); }, kMenu, 5,
                   kError, "not red;green;blue"},
        BrokenDisc{"bgcolor_part_over_255",
                   [](FixtureDisc& d) { EditMenu(d, "\"255;255;255\"", "\"255;300;255\""); }, kMenu,
                   5, kWarning, "low 8 bits"},
        BrokenDisc{"intro_not_exactly_true",
                   [](FixtureDisc& d) { EditMenu(d, "intro=true", "intro=True"); }, kMenu, 1,
                   kError, "not exactly \"true\""},
        BrokenDisc{"unknown_button_name",
                   [](FixtureDisc& d) { EditMenu(d, "name=help", "name=pomoc"); }, kMenu, 3,
                   kWarning, "unknown button name \"pomoc\""},
        BrokenDisc{"one_id_two_bitmaps",
                   [](FixtureDisc& d) {
                       d.Content(kMenu) +=
                           "<item type=button name=close image=\"Menu\\app.bmp\" "
                           "width=50 height=20/>\n";
                   },
                   kMenu, 11, kError, "control id 1000 is bound"},
        BrokenDisc{
            "language_without_menu_file",
            [](FixtureDisc& d) {
                d.Content("Menu/lang.dat") +=
                    "<item type=button name=en image=\"Menu\\flag.bmp\" width=40 height=20/>\n";
            },
            "Menu/lang.dat", 3, kError, "no menu description Menu\\en.dat"},
        BrokenDisc{"story_button_without_player", [](FixtureDisc& d) { d.Remove("Menu/cda.dat"); },
                   kMenu, 0, kError, "opens the audio player"},
        BrokenDisc{"player_type_case",
                   [](FixtureDisc& d) { d.Edit("Menu/cda.dat", "type=mp3", "type=MP3"); },
                   "Menu/cda.dat", 2, kError, "neither \"cda\" nor \"mp3\""},
        BrokenDisc{"help_file_missing", [](FixtureDisc& d) { d.Remove("pomoc_pl.txt"); }, kMenu, 0,
                   kWarning, "Couldn't read help file."},
        BrokenDisc{"version_key_case",
                   [](FixtureDisc& d) { d.Edit("version.dat", "Title=", "title="); }, "version.dat",
                   1, kError, "\"title\" is not \"Title\""}),
    [](const testing::TestParamInfo<BrokenDisc>& p) { return std::string(p.param.rule); });

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenDiscTest,
    testing::Values(
        BrokenDisc{"button_strip_missing", [](FixtureDisc& d) { d.Remove("Menu/cat.bmp"); }, kMenu,
                   8, kError, "\"Menu\\cat.bmp\" is not on the disc"},
        BrokenDisc{"button_strip_not_a_bitmap",
                   [](FixtureDisc& d) { d.Set("Menu/cat.bmp", JpegFile(150, 20)); }, kMenu, 8,
                   kError, "not a BMP bitmap (JPEG)"},
        BrokenDisc{"button_strip_wrong_size",
                   [](FixtureDisc& d) { d.Set("Menu/cat.bmp", BitmapFile(100, 20)); }, kMenu, 8,
                   kError, "needs 150x20"},
        BrokenDisc{"banner_width_not_a_multiple",
                   [](FixtureDisc& d) { d.Set("Menu/banner.jpg", JpegFile(250, 50)); }, kMenu, 7,
                   kWarning, "not a multiple of the banner width"},
        BrokenDisc{"screenshot_missing", [](FixtureDisc& d) { d.Remove("Menu/shot.jpg"); }, kMenu,
                   10, kError, "screen file"},
        BrokenDisc{
            "screenshot_png",
            [](FixtureDisc& d) { d.Set("Menu/shot.jpg", std::string("\x89PNG\r\n\x1a\n", 8)); },
            kMenu, 10, kError, "not a picture the menu can show"},
        BrokenDisc{"instruction_missing", [](FixtureDisc& d) { d.Remove("docs/one.txt"); }, kMenu,
                   10, kError, "instruction file"},
        BrokenDisc{"installer_missing", [](FixtureDisc& d) { d.Remove("setup/one.exe"); }, kMenu,
                   10, kError, "exec file \"setup\\one.exe\""},
        BrokenDisc{"name_differs_in_case",
                   [](FixtureDisc& d) { EditMenu(d, "Menu\\shot.jpg", "Menu\\Shot.jpg"); }, kMenu,
                   10, kWarning, "differs in letter case"},
        BrokenDisc{
            "path_too_long",
            [](FixtureDisc& d) { EditMenu(d, "docs\\one.txt", "docs\\" + std::string(260, 'x')); },
            kMenu, 10, kError, "260-character limit", 2},
        BrokenDisc{"name_over_64_characters",
                   [](FixtureDisc& d) { d.Set("docs/" + std::string(65, 'n') + ".txt", ""); },
                   "docs/" + std::string(65, 'n') + ".txt", 0, kError, "Joliet"},
        BrokenDisc{"names_differ_only_in_case",
                   [](FixtureDisc& d) { d.Set("Menu/SHOT.jpg", JpegFile(20, 15)); },
                   "Menu/shot.jpg", 0, kError, "only in letter case"},
        BrokenDisc{"outro_picture_missing", [](FixtureDisc& d) { d.Remove("Menu/outro.jpg"); },
                   "Menu/outro.jpg", 0, kError, "closing picture"},
        BrokenDisc{"autorun_missing", [](FixtureDisc& d) { d.Remove("autorun.inf"); },
                   "autorun.inf", 0, kWarning, "no autorun.inf"},
        BrokenDisc{"autorun_starts_another_program",
                   [](FixtureDisc& d) {
                       d.Edit("autorun.inf", "open=start.exe", "open=setup\\setup.exe");
                   },
                   "autorun.inf", 2, kError, "not start.exe"}),
    [](const testing::TestParamInfo<BrokenDisc>& p) { return std::string(p.param.rule); });

}  // namespace
