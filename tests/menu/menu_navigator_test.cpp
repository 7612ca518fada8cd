#include "menu/menu_navigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document_from_text.h"
#include "menu/menu_ids.h"
#include "menu/menu_view.h"

namespace {

class RecordingView : public MenuView {
public:
    void ShowButton(int id) override { Log("show " + std::to_string(id)); }
    void HideButton(int id) override { Log("hide " + std::to_string(id)); }
    void EnableButton(int id) override { Log("enable " + std::to_string(id)); }
    void DisableButton(int id) override { Log("disable " + std::to_string(id)); }
    void ShowApplication(const Application& application) override {
        Log("app " + application.title);
    }
    void InvalidateBanners() override { Log("banners"); }
    void RunProgram(const std::string& commandLine) override { Log("run " + commandLine); }
    void OpenDocument(const std::string& target) override { Log("open " + target); }
    void ReportMissingInstaller(const std::string& title) override { Log("missing " + title); }
    void Minimize() override { Log("minimize"); }
    void Close() override { Log("close"); }
    void OpenHelp() override { Log("help"); }
    void OpenInfo() override { Log("info"); }
    void OpenAudioPlayer() override { Log("audio"); }

    std::vector<std::string> Take() { return std::exchange(events_, {}); }

private:
    void Log(std::string event) { events_.push_back(std::move(event)); }
    std::vector<std::string> events_;
};

using Events = std::vector<std::string>;

class MenuNavigatorTest : public testing::Test {
protected:
    // Builds the menus from the text and selects the first, as the window does at creation.
    void Start(const std::string& text) {
        model_ = BuildMenuModel(DocumentFromText(text));
        navigator_ = std::make_unique<MenuNavigator>(model_.menus, view_);
        if (!model_.menus.empty()) navigator_->OnCommand(model_.menus.front().id);
    }
    Events Command(uint32_t command) {
        view_.Take();
        navigator_->OnCommand(command);
        return view_.Take();
    }
    std::string Selected() const {
        const Application* application = navigator_->SelectedApplication();
        return application ? application->title : "(none)";
    }

    MenuModel model_;
    RecordingView view_;
    std::unique_ptr<MenuNavigator> navigator_;
};

std::string PagedMenus(int applications) {
    std::string text =
        "<menu name=paged/>\n<menuitem parent=paged positionY=10 height=10 maxitems=4/>\n";
    for (int i = 0; i < applications; ++i) {
        text += "<application type=paged title=p" + std::to_string(i) + "/>\n";
    }
    return text + "<menu name=other/>\n";
}

TEST_F(MenuNavigatorTest, FirstSelectionShowsTheFirstMenu) {
    Start(
        "<menu name=a/>\n<menuitem parent=a text=x/>\n<menuitem parent=a text=y/>\n"
        "<application type=a title=A0 exec=setup.exe/>\n<application type=a title=A1/>\n");
    EXPECT_EQ(view_.Take(), (Events{"show 2001", "show 2002", "hide 1008", "hide 1009", "app A0",
                                    "show 1003", "hide 1004", "hide 1005", "hide 1006", "hide 1007",
                                    "disable 2000", "banners"}));
    EXPECT_EQ(navigator_->PageCount(), 2);
    EXPECT_EQ(Command(2150), Events{});
}

TEST_F(MenuNavigatorTest, SwitchingMenusHidesTheOldOnesButtonsAndReenablesIt) {
    Start(
        "<menu name=a/>\n<menuitem parent=a/>\n<application type=a title=A0/>\n"
        "<menu name=b/>\n<menuitem parent=b/>\n<application type=b title=B0 www=w.html/>\n");
    EXPECT_EQ(Command(2150),
              (Events{"hide 2001", "hide 1008", "hide 1009", "enable 2000", "show 2151",
                      "hide 1008", "hide 1009", "app B0", "hide 1003", "hide 1004", "hide 1005",
                      "show 1006", "hide 1007", "disable 2150", "banners"}));
    EXPECT_EQ(Command(2150), Events{});
    EXPECT_EQ(Command(2151), Events{});
    EXPECT_EQ(Command(2001), Events{});
    EXPECT_EQ(Selected(), "B0");
}

TEST_F(MenuNavigatorTest, MenuWithoutApplicationsKeepsThePreviousSelection) {
    Start("<menu name=a/>\n<application type=a title=A0 exec=a.exe/>\n<menu name=empty/>\n");
    Command(2150);
    EXPECT_EQ(navigator_->CurrentMenu()->name, "empty");
    EXPECT_EQ(Selected(), "A0");
    EXPECT_EQ(Command(menu_id::kInstall), Events{"run a.exe"});
    // Back in its menu, the still selected application is put on screen again.
    EXPECT_EQ(Command(2000),
              (Events{"hide 1008", "hide 1009", "enable 2150", "show 2001", "hide 1008",
                      "hide 1009", "app A0", "show 1003", "hide 1004", "hide 1005", "hide 1006",
                      "hide 1007", "disable 2000", "banners"}));
}

TEST_F(MenuNavigatorTest, LastMenuPagesThroughAllItsApplications) {
    std::string text =
        "<menu name=first/>\n<menu name=last/>\n<menuitem parent=last maxitems=10/>\n";
    for (int i = 1; i <= 400; ++i)
        text += "<application type=last title=L" + std::to_string(i) + "/>\n";
    Start(text);
    Command(2150);
    EXPECT_EQ(navigator_->PageCount(), 40);
    for (int page = 1; page < 40; ++page) Command(menu_id::kNext);
    EXPECT_EQ(Selected(), "L391");
    EXPECT_EQ(Command(2550), (Events{"app L400", "hide 1003", "hide 1004", "hide 1005", "hide 1006",
                                     "hide 1007"}));
}

TEST_F(MenuNavigatorTest, PagesOfFourFourAndTwo) {
    Start(PagedMenus(10));
    EXPECT_EQ(navigator_->PageCount(), 3);
    EXPECT_EQ(Selected(), "p0");

    Events next = Command(menu_id::kNext);
    EXPECT_EQ(Events(next.begin(), next.begin() + 8),
              (Events{"hide 2001", "hide 2002", "hide 2003", "hide 2004", "show 2005", "show 2006",
                      "show 2007", "show 2008"}));
    EXPECT_EQ(Selected(), "p4");
    Command(menu_id::kNext);
    EXPECT_EQ(Selected(), "p8");
    EXPECT_EQ(Command(menu_id::kNext),
              (Events{"hide 2009", "hide 2010", "show 2009", "show 2010"}));
    EXPECT_EQ(navigator_->PageIndex(), 2);

    Command(menu_id::kPrev);
    Command(menu_id::kPrev);
    EXPECT_EQ(Selected(), "p0");
    EXPECT_EQ(Command(menu_id::kPrev),
              (Events{"hide 2001", "hide 2002", "hide 2003", "hide 2004", "show 2001", "show 2002",
                      "show 2003", "show 2004"}));
}

TEST_F(MenuNavigatorTest, PagedMenuShowsNextAndPrevAndSearchesOnlyTheCurrentPage) {
    Start(PagedMenus(10));
    EXPECT_EQ(Command(2006), Events{});
    EXPECT_EQ(Command(2002),
              (Events{"app p1", "hide 1003", "hide 1004", "hide 1005", "hide 1006", "hide 1007"}));
    EXPECT_EQ(Command(2150),
              (Events{"hide 2001", "hide 2002", "hide 2003", "hide 2004", "hide 2005", "hide 2006",
                      "hide 2007", "hide 2008", "hide 2009", "hide 2010", "hide 1008", "hide 1009",
                      "enable 2000", "hide 1008", "hide 1009", "disable 2150", "banners"}));
    view_.Take();
    Start(PagedMenus(10));
    const Events start = view_.Take();
    EXPECT_EQ(
        Events(start.begin(), start.begin() + 6),
        (Events{"show 2001", "show 2002", "show 2003", "show 2004", "show 1008", "show 1009"}));
}

TEST_F(MenuNavigatorTest, OnePageHidesNextAndPrev) {
    Start(PagedMenus(4));
    EXPECT_EQ(navigator_->PageCount(), 1);
    const Events next = Command(menu_id::kNext);
    EXPECT_EQ(Events(next.begin(), next.begin() + 4),
              (Events{"hide 2001", "hide 2002", "hide 2003", "hide 2004"}));
    EXPECT_EQ(Selected(), "p0");
}

TEST_F(MenuNavigatorTest, ExecOpenChoosesInstallOrRun) {
    Start(
        "<menu name=a/>\n"
        "<application type=a title=Opens exec=doc.pdf execopen=open/>\n"
        "<application type=a title=Installs exec=setup.exe execopen=install/>\n"
        "<application type=a title=Other exec=x.exe execopen=Open/>\n"
        "<application type=a title=Nothing execopen=open/>\n");
    EXPECT_EQ(Command(menu_id::kRun), Events{"open doc.pdf"});
    EXPECT_EQ(Command(2002), (Events{"app Installs", "show 1003", "hide 1004", "hide 1005",
                                     "hide 1006", "hide 1007"}));
    EXPECT_EQ(Command(menu_id::kInstall), Events{"run setup.exe"});
    EXPECT_EQ(Command(2003), (Events{"app Other", "hide 1005", "hide 1006", "hide 1007"}));
    EXPECT_EQ(Command(2004), (Events{"app Nothing", "hide 1003", "hide 1004", "hide 1005",
                                     "hide 1006", "hide 1007"}));
    EXPECT_EQ(Command(menu_id::kInstall), Events{"missing Nothing"});
    EXPECT_EQ(Command(menu_id::kRun), Events{"missing Nothing"});
}

TEST_F(MenuNavigatorTest, DocumentsCommandsAndDialogs) {
    Start(
        "<menu name=a/>\n"
        "<application type=a title=A instruction=\"manual.pdf\" www=http://x "
        "buy=\"shop.html\"/>\n");
    EXPECT_EQ(Command(menu_id::kInstruction), Events{"open manual.pdf"});
    EXPECT_EQ(Command(menu_id::kWww), Events{"open http://x"});
    EXPECT_EQ(Command(menu_id::kBuy), Events{"open shop.html"});
    EXPECT_EQ(Command(menu_id::kClose), Events{"close"});
    EXPECT_EQ(Command(menu_id::kMinimize), Events{"minimize"});
    EXPECT_EQ(Command(menu_id::kHelp), Events{"help"});
    EXPECT_EQ(Command(menu_id::kStar), Events{"info"});
    EXPECT_EQ(Command(menu_id::kStory), Events{"audio"});
    for (uint32_t inert : {0u, 200u, 201u, 202u, 1010u, 1999u, 9999u}) {
        EXPECT_EQ(Command(inert), Events{}) << inert;
    }
}

TEST_F(MenuNavigatorTest, WithoutMenusOnlyTheFixedCommandsAct) {
    Start("<item type=button name=install/>\n");
    EXPECT_EQ(Command(menu_id::kInstall), Events{});
    EXPECT_EQ(Command(menu_id::kNext), Events{});
    EXPECT_EQ(Command(2000), Events{});
    EXPECT_EQ(Command(menu_id::kClose), Events{"close"});
}

TEST_F(MenuNavigatorTest, EmptyDocumentTargetsOpenNothing) {
    Start("<menu name=a/>\n<application type=a title=A/>\n");
    EXPECT_EQ(Command(menu_id::kInstruction), Events{});
    EXPECT_EQ(Command(menu_id::kWww), Events{});
}

}  // namespace
