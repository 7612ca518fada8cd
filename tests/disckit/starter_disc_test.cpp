#include "starter_disc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "config/config_document.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) { return TempDir::Read(path.string()); }

// Width and height of a BMP file; (0, 0) when it is not one.
std::pair<int, int> BitmapSize(const fs::path& path) {
    const std::string bytes = ReadAll(path);
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0) return {0, 0};
    auto number = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return static_cast<int>(value);
    };
    return {number(18), number(22)};
}

fs::path OnDisc(const fs::path& disc, std::string name) {
    for (char& c : name) {
        if (c == '\\') c = '/';
    }
    return disc / name;
}

std::vector<ConfigElement> Elements(const fs::path& file) {
    ConfigDocument document;
    EXPECT_EQ(document.LoadText(file.string()), 0) << file;
    std::vector<ConfigElement> elements(document.ElementCount());
    for (unsigned i = 0; i < document.ElementCount(); ++i) document.GetElement(i, elements[i]);
    return elements;
}

int Number(const ConfigElement& element, const std::string& key) {
    return std::stoi(element.AttributeValue(key));
}

class StarterDiscTest : public testing::Test {
protected:
    TempDir temp_;
    fs::path disc_ = temp_.Path("disc");
};

TEST_F(StarterDiscTest, EveryPictureTheMenusNameExistsWithItsExactName) {
    WriteStarterDisc(disc_, {"pl", "en", "de"});

    std::set<std::string> onDisc;
    for (const auto& entry : fs::recursive_directory_iterator(disc_)) {
        const std::string relative = fs::relative(entry.path(), disc_).generic_string();
        onDisc.insert(relative);
        EXPECT_LE(entry.path().filename().string().size(), 64u) << relative;
    }
    for (const char* file : {"Menu/lang.dat", "Menu/pl.dat", "Menu/en.dat", "Menu/de.dat"}) {
        for (const ConfigElement& element : Elements(disc_ / file)) {
            for (const char* key : {"image", "screen"}) {
                std::string name = element.AttributeValue(key);
                if (name.empty()) continue;
                for (char& c : name) {
                    if (c == '\\') c = '/';
                }
                EXPECT_TRUE(onDisc.count(name)) << file << " names " << name;
            }
        }
    }
    for (const char* file : {"Menu/menumain.jpg", "version.dat", "pomoc_pl.txt", "pomoc_en.txt",
                             "pomoc_de.txt", "readme_de.txt"}) {
        EXPECT_TRUE(onDisc.count(file)) << file;
    }
}

TEST_F(StarterDiscTest, ButtonStripsHoldThreeFramesOfTheButtonsSize) {
    WriteStarterDisc(disc_, {"en", "pl"});

    int buttons = 0;
    for (const char* file : {"Menu/lang.dat", "Menu/en.dat"}) {
        for (const ConfigElement& element : Elements(disc_ / file)) {
            const std::string image = element.AttributeValue("image");
            if (image.empty()) continue;
            const auto [width, height] = BitmapSize(OnDisc(disc_, image));
            EXPECT_EQ(width, 3 * Number(element, "width")) << image;
            EXPECT_EQ(height, Number(element, "height")) << image;
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 2 + 12);
}

TEST_F(StarterDiscTest, CategoriesAndTemplatesStandAboveTheirApplications) {
    WriteStarterDisc(disc_, {"en"});

    std::set<std::string> menus;
    std::set<std::string> templates;
    int applications = 0;
    for (const ConfigElement& element : Elements(disc_ / "Menu/en.dat")) {
        if (element.Name() == "menu") menus.insert(element.AttributeValue("name"));
        if (element.Name() == "menuitem") {
            EXPECT_TRUE(menus.count(element.AttributeValue("parent")));
            templates.insert(element.AttributeValue("parent"));
        }
        if (element.Name() == "application") {
            const std::string menu = element.AttributeValue("type");
            EXPECT_TRUE(templates.count(menu)) << element.AttributeValue("title");
            for (const char* key : {"exec", "instruction"}) {
                const std::string file = element.AttributeValue(key);
                if (!file.empty()) {
                    EXPECT_TRUE(fs::exists(OnDisc(disc_, file))) << file;
                }
            }
            ++applications;
        }
    }
    EXPECT_EQ(menus.size(), 2u);
    EXPECT_EQ(applications, 3);
}

TEST_F(StarterDiscTest, AutorunStartsTheMenuAndShowsItsIcon) {
    WriteStarterDisc(disc_, {"en"});

    const std::string autorun = ReadAll(disc_ / "autorun.inf");
    EXPECT_EQ(autorun.rfind("[autorun]\r\n", 0), 0u);
    EXPECT_NE(autorun.find("\r\nopen=start.exe\r\n"), std::string::npos);
    EXPECT_NE(autorun.find("\r\nicon=start.exe,0\r\n"), std::string::npos);
    EXPECT_NE(autorun.find("\r\nlabel="), std::string::npos);
}

TEST_F(StarterDiscTest, PolishMenuIsWindows1250) {
    WriteStarterDisc(disc_, {"pl"});

    const std::string menu = ReadAll(disc_ / "Menu/pl.dat");
    EXPECT_NE(menu.find("title=\"Moja p\xb3yta\""), std::string::npos);
    EXPECT_NE(ReadAll(disc_ / "Menu/lang.dat").find("text=\"Polski\""), std::string::npos);
}

TEST_F(StarterDiscTest, RefusesBadLanguageListsAndWritesNothing) {
    const std::vector<std::vector<std::string>> bad{
        {}, {""}, {"en", "EN"}, {"pl", "pl"}, {"en/../x"}, {"p l"}, {std::string(33, 'a')}};
    for (const auto& languages : bad) {
        EXPECT_THROW(WriteStarterDisc(disc_, languages), StarterDiscError);
        EXPECT_FALSE(fs::exists(disc_));
    }
}

TEST_F(StarterDiscTest, LeavesAFolderThatHoldsFilesAlone) {
    fs::create_directories(disc_);
    std::ofstream(disc_ / "notes.txt") << "mine";

    EXPECT_THROW(WriteStarterDisc(disc_, {"en"}), StarterDiscError);
    EXPECT_FALSE(fs::exists(disc_ / "Menu"));
    EXPECT_EQ(ReadAll(disc_ / "notes.txt"), "mine");
}

}  // namespace
