#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "bitmap_strip.h"
#include "config/config_document.h"
#include "disc_pictures.h"
#include "harness/environment.h"
#include "harness/menu_process.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/window_probe.h"
#include "main_menu_scenario.h"
#include "menu_scenario.h"

namespace {

constexpr char kMenuDescription[] = "Menu\\en.dat";
constexpr char kNoLanguageFile[] = "Nie znaleziono pliku konfiguracyjnego języka.";
constexpr UINT kAnswerTimeoutMs = 30000;

constexpr char kWindowAndClose[] =
    "<window title=\"Hostile\" width=641 height=481/>\n"
    "<item type=button name=close text=\"X\" image=\"Menu\\x.bmp\" positionX=600 positionY=10 "
    "width=30 height=30/>\n"
    "<item type=text name=title positionX=250 positionY=60 width=200 height=30/>\n";

// Answers within the time. No SMTO_ABORTIFHUNG: a first picture load starts OLE, which may
// keep a busy machine from the message loop long enough to be taken for hung.
DWORD MenuProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored) != 0;
}

// The same bytes on every run: a small linear congruential generator.
class Junk {
public:
    unsigned char Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned char>(state_ >> 56);
    }
    // Bytes of every value but '<', so they open no element of their own, and Ctrl-Z, which
    // ends a text file.
    std::string Text(size_t size) {
        std::string text(size, '\0');
        for (char& c : text) {
            const unsigned char byte = Next();
            c = static_cast<char>(byte == '<' ? '>' : byte == 0x1a ? 'z' : byte);
        }
        return text;
    }

private:
    std::uint64_t state_ = 88172645463325252ULL;
};

std::string Application(const std::string& menu, int number) {
    return "<application type=" + menu + " title=\"App " + std::to_string(number) + "\"/>\n";
}

// Hostile descriptions on a disc that carries the program and its pictures.
class HostileMenuTest : public MainMenuScenario {
protected:
    HostileMenuTest() : MainMenuScenario("one-language") {}

    void WriteDescription(const std::string& elements) const {
        Disc().Write(kMenuDescription, kWindowAndClose + elements);
    }

    // Clicks "next" that many times, each time waiting for the page's first application of
    // those titled "App 1", "App 2" and so on, ten a page.
    ::testing::AssertionResult TurnPagesOfTen(int pages) const {
        for (int page = 1; page <= pages; ++page) {
            const std::string title = "App " + std::to_string(page * 10 + 1);
            if (!Click(control::kNext) ||
                !WaitFor([&] { return TextOf(control::kTitle) == title; })) {
                return ::testing::AssertionFailure()
                       << "page " << page << " did not show " << title;
            }
        }
        return ::testing::AssertionSuccess();
    }

    std::vector<int> ShownAmong(int first, int count) const {
        std::vector<int> shown;
        for (int id = first; id < first + count; ++id) {
            if (IsShown(id)) shown.push_back(id);
        }
        return shown;
    }
};

TEST_F(HostileMenuTest, ImageNamesOf300AndMoreCharactersLeaveTheMenuWorking) {
    // "Menu\.\.\ ... \wide.BMP" names a real file through a name far past MAX_PATH; the
    // upper-case extension keeps the scenario from writing art under that name.
    std::string dots;
    while (dots.size() < 320) dots += ".\\";
    const std::string reachable = "Menu\\" + dots + "wide.BMP";
    const std::string unreachable = "Menu\\" + std::string(5000, 'n') + ".BMP";
    Disc().Write("Menu\\wide.BMP",
                 BitmapStrip(100, 30, {kButtonNormal, kButtonHover, kButtonDown}));
    Disc().Write("Menu\\shot.jpg", JpegStrip(40, 40, {RGB(10, 200, 10)}));
    WriteDescription(
        "<item type=button name=help text=\"?\" image=\"" + reachable +
        "\" positionX=10 positionY=300 width=100 height=30/>\n"
        "<item type=button name=star text=\"*\" image=\"" +
        unreachable +
        "\" positionX=120 positionY=300 width=100 height=30/>\n"
        "<item type=image name=screen positionX=250 positionY=180 width=160 height=120/>\n"
        "<item type=banner name=a image=\"" +
        dots +
        "Menu\\shot.jpg\" positionX=10 "
        "positionY=350 width=40 height=40 timer=30/>\n"
        "<item type=banner name=b image=\"" +
        std::string(3000, 'b') + ".jpg\" text=\"" + std::string(3000, 'l') +
        "\" positionX=60 positionY=350 width=40 height=40/>\n"
        "<menu name=m text=\"" +
        std::string(400, 'm') + "\" image=\"" + unreachable +
        "\" positionX=10 positionY=10 width=100 height=30/>\n"
        "<menuitem parent=m image=\"" +
        reachable +
        "\" positionX=10 positionY=60 width=200 height=30/>\n"
        "<application type=m title=\"" +
        std::string(2000, 't') + "\" screen=\"" + dots +
        "Menu\\shot.jpg\"/>\n"
        "<application type=m title=\"Second\" screen=\"" +
        unreachable + "\"/>\n");
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_TRUE(Answers(Main()));
    EXPECT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == std::string(2000, 't'); }));
    ASSERT_TRUE(Click(control::kFirstMenu + 2));
    EXPECT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "Second"; }));
    EXPECT_TRUE(Answers(Main()));
    CloseByButton();
}

TEST_F(HostileMenuTest, SingleTemplateWithMaxitemsZeroShowsAllTwentyInOneColumn) {
    std::string elements =
        "<item type=button name=next text=\">\" image=\"Menu\\x.bmp\" positionX=50 positionY=440 "
        "width=30 height=30/>\n"
        "<menu name=m text=\"M\" image=\"Menu\\menu.bmp\" positionX=10 positionY=10 width=100 "
        "height=30/>\n"
        "<menuitem parent=m image=\"Menu\\app.bmp\" positionX=10 positionY=40 width=150 "
        "height=20 maxitems=0/>\n";
    for (int i = 1; i <= 20; ++i) elements += Application("m", i);
    WriteDescription(elements);
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    std::vector<int> all;
    for (int i = 1; i <= 20; ++i) all.push_back(control::kFirstMenu + i);
    EXPECT_EQ(ShownAmong(control::kFirstMenu + 1, 20), all);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(PlaceOf(control::kFirstMenu + 1 + i), (Place{10, 40 + 20 * i, 150, 20}))
            << "application " << i + 1;
    }
    EXPECT_FALSE(IsShown(control::kNext));
    ASSERT_TRUE(Click(control::kFirstMenu + 20));
    EXPECT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "App 20"; }));
    CloseByButton();
}

TEST_F(HostileMenuTest, BannersOfNoWidthWithPicturesTickWithoutHarm) {
    Disc().Write("Menu\\frames.jpg",
                 JpegStrip(40, 40, {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)}));
    WriteDescription(
        "<item type=banner name=zero image=\"Menu\\frames.jpg\" positionX=10 positionY=100 "
        "width=0 height=40 timer=10/>\n"
        "<item type=banner name=flat image=\"Menu\\frames.jpg\" text=\"x.html\" positionX=60 "
        "positionY=100 width=0 height=0 timer=0/>\n"
        "<item type=banner name=back image=\"Menu\\frames.jpg\" positionX=200 positionY=100 "
        "width=-40 height=-40 timer=1/>\n"
        "<item type=banner name=huge image=\"Menu\\frames.jpg\" positionX=300 positionY=100 "
        "width=2147483647 height=2147483647 timer=20/>\n");
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    // A few hundred ticks of every timer go by while the window keeps answering.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    EXPECT_TRUE(e2e::WaitUntil(
        kTimeout, [&] { return Answers(Main()) && std::chrono::steady_clock::now() >= end; }));
    CloseByButton();
}

TEST_F(HostileMenuTest, FourHundredApplicationsKeepTheirIdsClearOfTheNextMenu) {
    std::string elements =
        "<item type=button name=next text=\">\" image=\"Menu\\x.bmp\" positionX=50 positionY=440 "
        "width=30 height=30/>\n"
        "<item type=button name=prev text=\"<\" image=\"Menu\\x.bmp\" positionX=10 positionY=440 "
        "width=30 height=30/>\n"
        "<menu name=wiele text=\"Many\" image=\"Menu\\menu.bmp\" positionX=10 positionY=10 "
        "width=100 height=30/>\n"
        "<menuitem parent=wiele image=\"Menu\\app.bmp\" positionX=10 positionY=40 width=150 "
        "height=20 maxitems=10/>\n";
    for (int i = 1; i <= 400; ++i) elements += Application("wiele", i);
    elements +=
        "<menu name=drugie text=\"Second\" image=\"Menu\\menu.bmp\" positionX=120 positionY=10 "
        "width=100 height=30/>\n"
        "<menuitem parent=drugie image=\"Menu\\app.bmp\" positionX=10 positionY=40 width=150 "
        "height=20 maxitems=10/>\n" +
        Application("drugie", 1000);
    WriteDescription(elements);
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);

    EXPECT_EQ(ShownAmong(control::kFirstMenu + 1, 10).size(), 10u);
    EXPECT_NE(Control(control::kFirstMenu + 149), nullptr);
    EXPECT_EQ(TextOf(control::kSecondMenu), "Second");
    EXPECT_TRUE(IsShown(control::kNext));
    ASSERT_TRUE(TurnPagesOfTen(14));
    EXPECT_EQ(ShownAmong(control::kFirstMenu + 141, 9).size(), 9u);
    ASSERT_TRUE(Click(control::kSecondMenu));
    EXPECT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "App 1000"; }));
    EXPECT_EQ(ShownAmong(control::kFirstMenu + 1, 149), std::vector<int>{});
    CloseByButton();
}

TEST_F(HostileMenuTest, LastMenuKeepsAllFourHundredApplications) {
    std::string elements =
        "<item type=button name=next text=\">\" image=\"Menu\\x.bmp\" positionX=50 positionY=440 "
        "width=30 height=30/>\n"
        "<menu name=jedno text=\"One\" image=\"Menu\\menu.bmp\" positionX=10 positionY=10 "
        "width=100 height=30/>\n"
        "<menu name=wiele text=\"Many\" image=\"Menu\\menu.bmp\" positionX=120 positionY=10 "
        "width=100 height=30/>\n"
        "<menuitem parent=wiele image=\"Menu\\app.bmp\" positionX=10 positionY=40 width=150 "
        "height=20 maxitems=10/>\n" +
        Application("jedno", 1000);
    for (int i = 1; i <= 400; ++i) elements += Application("wiele", i);
    WriteDescription(elements);
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    ASSERT_TRUE(Click(control::kSecondMenu));
    ASSERT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "App 1"; }));
    ASSERT_TRUE(TurnPagesOfTen(39));
    EXPECT_EQ(ShownAmong(control::kSecondMenu + 391, 10).size(), 10u);
    ASSERT_TRUE(Click(control::kSecondMenu + 400));
    EXPECT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "App 400"; }));
    CloseByButton();
}

TEST_F(HostileMenuTest, FiveMegabytesOfJunkStillYieldTheirElements) {
    Junk junk;
    std::string text;
    const std::vector<std::string> valid = {
        "<window title=\"Junk\" width=641 height=481/>",
        "<item type=button name=close text=\"X\" image=\"Menu\\x.bmp\" positionX=600 "
        "positionY=10 width=30 height=30/>",
        "<item type=text name=title positionX=250 positionY=60 width=200 height=30/>",
        "<menu name=m text=\"M\" image=\"Menu\\menu.bmp\" positionX=10 positionY=10 width=100 "
        "height=30/>",
        "<menuitem parent=m image=\"Menu\\app.bmp\" positionX=10 positionY=40 width=150 "
        "height=20 maxitems=4/>",
        "<application type=m title=\"Found in junk\"/>",
    };
    while (text.size() < 5 * 1024 * 1024) {
        for (const std::string& element : valid) {
            text += junk.Text(120 * 1024);
            // An element of junk between the valid ones: its name and items are noise.
            text += "<" + junk.Text(300) + "/>";
            text += junk.Text(2 * 1024) + element;
        }
    }
    Disc().Write(kMenuDescription, text);
    StartMenu();
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_EQ(e2e::TitleOf(Main()), "Junk");
    EXPECT_TRUE(WaitFor([&] { return TextOf(control::kTitle) == "Found in junk"; }));
    EXPECT_TRUE(Answers(Main()));
    CloseByButton();
}

// Discs whose files are missing or are something else: the program runs from where it is.
class HostileFilesTest : public MenuScenario {
protected:
    void ExpectMessageThenEnd(const std::string& text) {
        StartMenu();
        HWND box = WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(Answers(box));
        EXPECT_EQ(e2e::MessageBoxText(box), text);
        EXPECT_TRUE(e2e::AnswerMessageBox(box, IDOK, kTimeout));
        EXPECT_EQ(WaitForExit(), 0u);
        EXPECT_FALSE(SawMainWindow());
    }

    void MakeFolder(const std::string& relative) const {
        Disc().Write(relative + "\\inside.txt", "a folder, not a file");
    }
};

TEST_F(HostileFilesTest, LanguageFileOfBinaryGarbageIsReportedLikeAMissingOne) {
    Junk junk;
    std::string garbage;
    for (int i = 0; i < 64 * 1024; ++i) garbage += static_cast<char>(junk.Next());
    Disc().Write("Menu\\lang.dat", garbage);
    ExpectMessageThenEnd(kNoLanguageFile);
}

TEST_F(HostileFilesTest, FolderInPlaceOfTheLanguageFileIsReportedLikeAMissingOne) {
    Disc().Remove("Menu\\lang.dat");
    MakeFolder("Menu\\lang.dat");
    ExpectMessageThenEnd(kNoLanguageFile);
}

TEST_F(HostileFilesTest, FolderInPlaceOfTheMenuDescriptionIsReportedLikeAMissingOne) {
    Disc().Remove(kMenuDescription);
    MakeFolder(kMenuDescription);
    ExpectMessageThenEnd("Nie znaleziono pliku konfiguracyjnego: Menu\\en.bin.");
}

TEST_F(HostileFilesTest, MenuDescriptionOfGigabytesIsReportedLikeAMissingOne) {
    Disc().WriteSparse(kMenuDescription, 1'500'000'000);
    ExpectMessageThenEnd("Nie znaleziono pliku konfiguracyjnego: Menu\\en.bin.");
}

TEST_F(HostileFilesTest, FoldersInPlaceOfOtherFilesAreSkipped) {
    ConfigDocument description;
    ASSERT_EQ(description.LoadText(Disc().PathOf(kMenuDescription)), 0);
    ASSERT_EQ(description.SaveBinary(Disc().PathOf("Menu\\en.bin")), 0);
    Disc().Remove(kMenuDescription);
    MakeFolder(kMenuDescription);
    MakeFolder("version.dat");
    MakeFolder("Menu\\menumain.jpg");
    MakeFolder("Menu\\lang_en.bmp");
    StartMenu();
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(e2e::TitleOf(main), "Demo menu");
    EXPECT_TRUE(Answers(main));
    ASSERT_TRUE(PostMessageA(main, WM_CLOSE, 0, 0));
    EXPECT_EQ(WaitForExit(), 0u);
}

TEST_F(HostileFilesTest, MissingPicturesAndBitmapsLeaveTheMenuWorking) {
    Disc().Write(kMenuDescription,
                 "<window title=\"Bare\" width=641 height=481 intro=true outro=true/>\n"
                 "<item type=button name=story text=\"~\" image=\"Menu\\none.bmp\" positionX=10 "
                 "positionY=400 width=30 height=30/>\n"
                 "<item type=image name=screen positionX=250 positionY=180 width=160 "
                 "height=120/>\n"
                 "<item type=banner name=b image=\"Menu\\none.jpg\" positionX=10 positionY=100 "
                 "width=40 height=40 timer=20/>\n"
                 "<menu name=m text=\"M\" image=\"Menu\\none.bmp\" positionX=10 positionY=10 "
                 "width=100 height=30/>\n"
                 "<menuitem parent=m image=\"Menu\\none.bmp\" positionX=10 positionY=40 "
                 "width=150 height=20/>\n"
                 "<application type=m title=\"A\" screen=\"Menu\\none.jpg\"/>\n");
    Disc().Write("Menu\\cda.dat",
                 "<window width=420 height=320/>\n<audio type=mp3 file=\"Menu\\none.wav\"/>\n"
                 "<item type=button name=close text=\"X\" image=\"Menu\\none.bmp\" "
                 "positionX=380 positionY=10 width=30 height=30/>\n");
    StartMenu();
    // The start banner goes by itself after its time.
    HWND main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Answers(main));

    // The audio file is missing as well: the MCI window says so in its own box first.
    ASSERT_TRUE(PostMessageA(main, WM_COMMAND, 107, 0));
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(Answers(box));
    EXPECT_TRUE(e2e::AnswerMessageBox(box, IDOK, kTimeout));
    HWND player = e2e::WaitForWindow(
        MenuProcessId(main),
        [&](HWND window) {
            return e2e::ClassNameOf(window) == e2e::kDialogClass && IsWindowVisible(window) &&
                   GetWindow(window, GW_OWNER) == main;
        },
        kTimeout);
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(Answers(player));
    ASSERT_TRUE(PostMessageA(player, WM_COMMAND, 151, 0));
    ASSERT_TRUE(e2e::WaitUntil(kTimeout, [&] { return !IsWindow(player); }));

    // The closing picture is missing too; the program still ends.
    ASSERT_TRUE(PostMessageA(main, WM_COMMAND, 1000, 0));
    EXPECT_EQ(WaitForExit(), 0u);
}

// A disc folder far past MAX_PATH: no process can have it as its current directory under
// that name, so the program is started through the folder's short name, as the system does.
class LongDiscPathTest : public MenuScenario {
protected:
    ~LongDiscPathTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(L"\\\\?\\" + Wide(Disc().PathOf("deep")), ignored);
    }

    static std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }

    // Copies a file of the short-named disc into the long folder.
    static bool Copy(const std::wstring& from, const std::wstring& to) {
        return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
    }
};

TEST_F(LongDiscPathTest, ProgramRunsFromAFolderOfMoreThan400Characters) {
    std::wstring folder = L"\\\\?\\" + Wide(Disc().PathOf("deep"));
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    // The short name of each folder below "deep"; the disc folder is short enough as it is.
    std::string shortPath = Disc().PathOf("deep");
    for (wchar_t letter = L'a'; folder.size() < 450; ++letter) {
        folder += L"\\" + std::wstring(90, letter);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(folder.c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        FindClose(search);
        const std::wstring alternate = found.cAlternateFileName;
        if (alternate.empty()) GTEST_SKIP() << "the file system gives the folder no short name";
        shortPath += "\\" + std::string(alternate.begin(), alternate.end());
    }
    ASSERT_TRUE(CreateDirectoryW((folder + L"\\Menu").c_str(), nullptr));
    const std::wstring source = Wide(Disc().Path());
    ASSERT_TRUE(Copy(source + L"\\Menu\\en.dat", folder + L"\\Menu\\en.dat"));
    ASSERT_TRUE(Copy(source + L"\\Menu\\lang.dat", folder + L"\\Menu\\lang.dat"));
    ASSERT_TRUE(Copy(Wide(e2e::StartExePath()), folder + L"\\start.exe"));

    // Wine now and then fails to find a program by short names (error 2); a few tries.
    std::optional<e2e::MenuProcess> started;
    for (int attempt = 0; !started && attempt < 5; ++attempt) {
        try {
            started.emplace(shortPath + "\\start.exe", shortPath);
        } catch (const std::runtime_error&) {
            if (attempt == 4) throw;
        }
    }
    e2e::MenuProcess& menu = *started;
    HWND main = e2e::WaitForWindow(
        menu.Id(),
        [](HWND window) {
            return IsWindowVisible(window) && e2e::ClassNameOf(window) == kMainWindowClass;
        },
        kTimeout);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(e2e::TitleOf(main), "Demo menu");
    EXPECT_TRUE(Answers(main));
    ASSERT_TRUE(PostMessageA(main, WM_CLOSE, 0, 0));
    EXPECT_EQ(menu.WaitForExit(kTimeout), 0u);
}

}  // namespace
