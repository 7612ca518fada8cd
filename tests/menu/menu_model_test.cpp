#include "menu/menu_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "document_from_text.h"
#include "menu/menu_ids.h"

namespace {

MenuModel Build(const std::string& text) { return BuildMenuModel(DocumentFromText(text)); }

std::vector<const ControlSpec*> ButtonsOf(const MenuModel& model, int firstId, int lastId) {
    std::vector<const ControlSpec*> buttons;
    for (const ControlSpec& control : model.controls) {
        if (control.id >= firstId && control.id <= lastId) buttons.push_back(&control);
    }
    return buttons;
}

TEST(MenuModel, ItemsMakeControlsInDocumentOrder) {
    const MenuModel model = Build(
        "<window title=x/>\n"
        "<item type=button name=close text=X image=\"Menu\\close.bmp\" positionX=5 positionY=6 "
        "width=20 height=10/>\n"
        "<item type=button name=Close text=?/>\n"
        "<item type=text name=title bgcolor=\"255;0;0\" positionX=1 positionY=2 width=3 "
        "height=4/>\n"
        "<item type=text name=description/>\n"
        "<item type=text name=other bgcolor=\"1;1;1\"/>\n"
        "<item type=image name=screen width=320 height=240/>\n"
        "<item type=image name=logo/>\n"
        "<menu type=button name=star text=Info/>\n"
        "<item type=message title=a text=b/>\n");
    ASSERT_EQ(model.controls.size(), 6u);

    const ControlSpec& close = model.controls[0];
    EXPECT_EQ(close.kind, ControlSpec::Kind::Button);
    EXPECT_EQ(close.id, menu_id::kClose);
    EXPECT_EQ(close.caption, "X");
    EXPECT_EQ(close.image, "Menu\\close.bmp");
    EXPECT_EQ(close.rect, (ControlRect{5, 6, 20, 10}));
    EXPECT_FALSE(close.hidden);

    EXPECT_EQ(model.controls[1].id, 0);

    EXPECT_EQ(model.controls[2].kind, ControlSpec::Kind::TitleField);
    EXPECT_EQ(model.controls[2].id, menu_id::kTitleField);
    EXPECT_EQ(model.titleBrush, 255u);
    EXPECT_EQ(model.controls[2].rect, (ControlRect{1, 2, 3, 4}));

    EXPECT_EQ(model.controls[3].kind, ControlSpec::Kind::DescriptionField);
    EXPECT_EQ(model.descriptionBrush, std::nullopt);

    EXPECT_EQ(model.controls[4].kind, ControlSpec::Kind::ScreenField);
    EXPECT_EQ(model.controls[4].id, menu_id::kScreenField);

    EXPECT_EQ(model.controls[5].id, menu_id::kStar);
    EXPECT_TRUE(model.menus.empty());
}

TEST(MenuModel, MenusTakeIdentifiersByOrderAndTheFirstOfANameCollects) {
    const MenuModel model = Build(
        "<application type=games title=early/>\n"
        "<menuitem parent=games text=early/>\n"
        "<menu name=games text=Games image=g.bmp width=80 height=20/>\n"
        "<menu name=tools text=Tools/>\n"
        "<menu name=games text=Again/>\n"
        "<application type=games title=A exec=a.exe title=B/>\n"
        "<application type=nowhere title=C/>\n");
    ASSERT_EQ(model.menus.size(), 3u);
    EXPECT_EQ(model.menus[0].id, 2000);
    EXPECT_EQ(model.menus[1].id, 2150);
    EXPECT_EQ(model.menus[2].id, 2300);
    EXPECT_EQ(model.menus[0].caption, "Games");
    EXPECT_TRUE(model.menus[0].templates.empty());

    ASSERT_EQ(model.menus[0].applications.size(), 1u);
    const Application& application = model.menus[0].applications[0];
    EXPECT_EQ(application.id, 2001);
    EXPECT_EQ(application.title, "A");
    EXPECT_EQ(application.exec, "a.exe");
    EXPECT_TRUE(model.menus[2].applications.empty());

    const auto buttons = ButtonsOf(model, 2000, 2300);
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0]->caption, "Games");
    EXPECT_EQ(buttons[0]->image, "g.bmp");
    EXPECT_FALSE(buttons[0]->hidden);
}

TEST(MenuModel, SeveralTemplatesGiveOneButtonEachInOrder) {
    const MenuModel model = Build(
        "<menu name=m/>\n"
        "<menuitem parent=m text=First image=a.bmp positionX=10 positionY=100 width=50 "
        "height=20/>\n"
        "<menuitem parent=m text=Second image=b.bmp positionX=10 positionY=200 width=50 "
        "height=20/>\n"
        "<menuitem parent=m text=Third image=c.bmp positionX=10 positionY=300 width=50 "
        "height=20/>\n"
        "<application type=m title=a0/>\n<application type=m title=a1/>\n"
        "<application type=m title=a2/>\n<application type=m title=a3/>\n"
        "<application type=m title=a4/>\n");
    const auto buttons = ButtonsOf(model, 2001, 2149);
    ASSERT_EQ(buttons.size(), 3u);
    const char* captions[] = {"First", "Second", "Third"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i]->id, 2001 + i);
        EXPECT_EQ(buttons[i]->caption, captions[i]);
        EXPECT_EQ(buttons[i]->rect.y, 100 * (i + 1));
        EXPECT_TRUE(buttons[i]->hidden);
    }
    ASSERT_EQ(model.menus[0].applications.size(), 5u);
    EXPECT_EQ(model.menus[0].applications[3].id, 2004);
    EXPECT_EQ(model.menus[0].applications[4].id, 2005);
}

TEST(MenuModel, LaterFieldWithoutUsableColourKeepsTheEarlierBrush) {
    const MenuModel model = Build(
        "<item type=text name=title bgcolor=\"255;0;0\"/>\n<item type=text name=title/>\n"
        "<item type=text name=description bgcolor=\"0;0;255\"/>\n"
        "<item type=text name=description bgcolor=\"-1;0;0\"/>\n");
    EXPECT_EQ(model.controls.size(), 4u);
    EXPECT_EQ(model.titleBrush, 0x0000FFu);
    EXPECT_EQ(model.descriptionBrush, 0xFF0000u);
}

// Applications read before the only template count in the walk but get no button.
struct ColumnWalk {
    int before;
    int after;
    std::vector<int> y;
};

class OneTemplateColumn : public testing::TestWithParam<ColumnWalk> {};

TEST_P(OneTemplateColumn, MovesTheTemplateDownAndBackEveryPage) {
    const ColumnWalk& walk = GetParam();
    std::string text = "<menu name=m/>\n";
    auto add = [&](int count) {
        for (int i = 0; i < count; ++i) text += "<application type=m title=App/>\n";
    };
    add(walk.before);
    text +=
        "<menuitem parent=m text=T image=t.bmp positionX=7 positionY=100 width=90 height=30 "
        "maxitems=3/>\n";
    add(walk.after);
    const MenuModel model = Build(text);
    const auto buttons = ButtonsOf(model, 2001, 2149);

    ASSERT_EQ(buttons.size(), walk.y.size());
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->id, 2001 + walk.before + static_cast<int>(i));
        EXPECT_EQ(buttons[i]->rect.y, walk.y[i]) << i;
        EXPECT_EQ(buttons[i]->rect.x, 7);
        EXPECT_EQ(buttons[i]->caption, "App");
    }
}

INSTANTIATE_TEST_SUITE_P(MenuModel, OneTemplateColumn,
                         testing::Values(ColumnWalk{0, 7, {100, 130, 160, 100, 130, 160, 100}},
                                         ColumnWalk{1, 4, {130, 160, 100, 130}},
                                         ColumnWalk{2, 5, {130, 70, 100, 130, 70}}));

TEST(MenuModel, OneTemplateWithoutPageSizeKeepsOneGrowingColumn) {
    std::string text = "<menu name=m/>\n<menuitem parent=m positionY=10 height=5 maxitems=0/>\n";
    for (int i = 0; i < 4; ++i) text += "<application type=m/>\n";
    const MenuModel model = Build(text);
    const auto buttons = ButtonsOf(model, 2001, 2149);
    ASSERT_EQ(buttons.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(buttons[i]->rect.y, 10 + 5 * i);
}

TEST(MenuModel, OneTemplateColumnPastTheRangeOfIntStopsAtItsEndAndRestartsEveryPage) {
    std::string text =
        "<menu name=m/>\n"
        "<menuitem parent=m positionY=2147483000 height=2147483647 maxitems=3/>\n";
    for (int i = 0; i < 4; ++i) text += "<application type=m/>\n";
    const MenuModel model = Build(text);
    const auto buttons = ButtonsOf(model, 2001, 2149);
    ASSERT_EQ(buttons.size(), 4u);
    const int expectedY[] = {2147483000, INT_MAX, INT_MAX, 2147483000};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(buttons[i]->rect.y, expectedY[i]) << i;
}

TEST(MenuModel, ApplicationBeforeTheOnlyTemplateGetsNoButton) {
    const MenuModel model = Build(
        "<menu name=m/>\n<application type=m title=a/>\n<menuitem parent=m/>\n"
        "<application type=m title=b/>\n");
    const auto buttons = ButtonsOf(model, 2001, 2149);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0]->id, 2002);
}

TEST(MenuModel, OnlyApplicationsWhoseIdentifiersReachTheNextMenuAreDropped) {
    EXPECT_TRUE(ApplicationFits(0, 2, 148));
    EXPECT_FALSE(ApplicationFits(0, 2, 149));
    EXPECT_TRUE(ApplicationFits(1, 2, 149));
    EXPECT_TRUE(ApplicationFits(1, 2, 100000));

    std::string text = "<menu name=a/>\n<menuitem parent=a maxitems=10/>\n<menu name=b/>\n";
    for (int i = 0; i < 151; ++i) text += "<application type=a/>\n";
    for (int i = 0; i < 400; ++i) text += "<application type=b/>\n";
    // A menu tag that makes a button is no menu: b stays the last one.
    text += "<menu type=button name=close/>\n";
    const MenuModel model = Build(text);
    ASSERT_EQ(model.menus[0].applications.size(), 149u);
    EXPECT_EQ(model.menus[0].applications.back().id, 2149);
    EXPECT_EQ(ButtonsOf(model, 2150, 2150).size(), 1u);
    ASSERT_EQ(model.menus[1].applications.size(), 400u);
    EXPECT_EQ(model.menus[1].applications.back().id, 2550);
}

TEST(MenuModel, BannersKeepTheirAttributesAndTimer) {
    const MenuModel model = Build(
        "<item type=banner name=lista text=\"http://example.org\" image=\"Menu\\b.jpg\" "
        "positionX=1 positionY=2 width=100 height=50 timer=250/>\n"
        "<item type=banner name=still/>\n"
        "<item type=banner timer= name=zero/>\n");
    ASSERT_EQ(model.banners.size(), 3u);
    EXPECT_EQ(model.banners[0].name, "lista");
    EXPECT_EQ(model.banners[0].link, "http://example.org");
    EXPECT_EQ(model.banners[0].image, "Menu\\b.jpg");
    EXPECT_EQ(model.banners[0].rect, (ControlRect{1, 2, 100, 50}));
    EXPECT_EQ(model.banners[0].timer, 250);
    EXPECT_EQ(model.banners[1].timer, -1);
    EXPECT_EQ(model.banners[2].timer, 0);
    EXPECT_TRUE(model.controls.empty());
}

TEST(MenuModel, FrameCountNeverDividesByZero) {
    EXPECT_EQ(FrameCount(400, 100), 4);
    EXPECT_EQ(FrameCount(450, 100), 4);
    EXPECT_EQ(FrameCount(400, 0), 1);
    EXPECT_EQ(FrameCount(400, -5), 1);
    EXPECT_EQ(FrameCount(50, 100), 1);
}

}  // namespace
