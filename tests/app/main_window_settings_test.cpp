#include "app/main_window_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "config/config_document.h"
#include "config/version_info.h"
#include "temp_dir.h"

namespace {

class MainWindowSettingsTest : public testing::Test {
protected:
    ConfigDocument Menu(const std::string& text) {
        ConfigDocument document;
        EXPECT_EQ(document.LoadText(dir_.Write("en.dat", text)), 0);
        return document;
    }

    VersionInfo Version(const std::string& text) {
        VersionInfo version;
        version.SetTrace(nullptr);
        EXPECT_TRUE(version.Load(dir_.Write("version.dat", text)));
        return version;
    }

    TempDir dir_;
};

TEST_F(MainWindowSettingsTest, WindowElementGivesTitleSizeAndIcon) {
    const MainWindowSettings settings = ReadMainWindowSettings(
        Menu("<window title=\"Demo menu\" width=800px height=\" 600\" icon=\"Menu\\a.ico\"/>\n"),
        nullptr);
    EXPECT_EQ(settings.title, "Demo menu");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 600);
    EXPECT_EQ(settings.icon, "Menu\\a.ico");
}

TEST_F(MainWindowSettingsTest, MissingWindowElementGivesEmptySettings) {
    const MainWindowSettings settings =
        ReadMainWindowSettings(Menu("<item type=button/>\n"), nullptr);
    EXPECT_EQ(settings.title, "");
    EXPECT_EQ(settings.width, 0);
    EXPECT_EQ(settings.height, 0);
    EXPECT_EQ(settings.icon, "");
}

TEST_F(MainWindowSettingsTest, LastWindowElementCounts) {
    const MainWindowSettings settings =
        ReadMainWindowSettings(Menu("<window title=A width=1/>\n<window title=B/>\n"), nullptr);
    EXPECT_EQ(settings.title, "B");
    EXPECT_EQ(settings.width, 0);
}

TEST_F(MainWindowSettingsTest, VersionFileNamesTheTitle) {
    const ConfigDocument menu = Menu("<window title=Ignored/>\n");
    const VersionInfo version = Version("Title=Start\nMajor=2\nMinor=1\nBuild=37\n");
    EXPECT_EQ(ReadMainWindowSettings(menu, &version).title, "Start v2.1 Build 37");

    const VersionInfo empty = Version("");
    EXPECT_EQ(ReadMainWindowSettings(menu, &empty).title, " v0.0 Build 0");

    const VersionInfo negative = Version("Title=X\nBuild=-3\n");
    EXPECT_EQ(ReadMainWindowSettings(menu, &negative).title, "X v0.0 Build -3");
}

TEST_F(MainWindowSettingsTest, LongTitlesAreCutTo107Bytes) {
    const std::string longName(300, 'n');
    const MainWindowSettings fromMenu =
        ReadMainWindowSettings(Menu("<window title=\"" + longName + "\"/>\n"), nullptr);
    EXPECT_EQ(fromMenu.title, std::string(107, 'n'));

    const VersionInfo version = Version("Title=" + std::string(100, 'v') + "\nBuild=123456\n");
    EXPECT_EQ(ReadMainWindowSettings(Menu(""), &version).title, std::string(100, 'v') + " v0.0 B");
}

}  // namespace
