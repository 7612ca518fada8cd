#include "menu/banner_rules.h"

#include <gtest/gtest.h>

namespace {

BannerSpec Banner(std::string name, std::string link, ControlRect rect) {
    BannerSpec banner;
    banner.name = std::move(name);
    banner.link = std::move(link);
    banner.rect = rect;
    return banner;
}

TEST(BannerRules, ListaIsHiddenOnlyWhilePelneIsCurrent) {
    const BannerSpec lista = Banner("lista", "", {});
    const BannerSpec other = Banner("logo", "", {});
    Menu pelne;
    pelne.name = "pelne";
    Menu games;
    games.name = "games";
    EXPECT_FALSE(IsBannerDrawn(lista, &pelne));
    EXPECT_TRUE(IsBannerDrawn(lista, &games));
    EXPECT_TRUE(IsBannerDrawn(lista, nullptr));
    EXPECT_TRUE(IsBannerDrawn(other, &pelne));
}

TEST(BannerRules, FirstBannerStrictlyContainingThePointDecides) {
    const std::vector<BannerSpec> banners = {
        Banner("plain", "", {0, 0, 50, 50}),
        Banner("link", "http://a", {40, 40, 100, 100}),
        Banner("late", "http://b", {10, 10, 20, 20}),
    };
    EXPECT_EQ(LinkBannerAt(banners, 45, 45), -1);
    EXPECT_EQ(LinkBannerAt(banners, 15, 15), -1);
    EXPECT_EQ(LinkBannerAt(banners, 60, 60), 1);
    EXPECT_EQ(LinkBannerAt(banners, 50, 41), 1);
    EXPECT_EQ(LinkBannerAt(banners, 40, 60), -1);
    EXPECT_EQ(LinkBannerAt(banners, 60, 40), -1);
    EXPECT_EQ(LinkBannerAt(banners, 140, 60), -1);
    EXPECT_EQ(LinkBannerAt(banners, 200, 200), -1);
}

TEST(BannerRules, FramesCycle) {
    EXPECT_EQ(NextFrame(0, 4), 1);
    EXPECT_EQ(NextFrame(3, 4), 0);
    EXPECT_EQ(NextFrame(0, 1), 0);
}

TEST(BannerRules, FarEdgeStaysWithinInt) {
    EXPECT_EQ(FarEdge(300, 48), 348);
    EXPECT_EQ(FarEdge(300, -40), 260);
    EXPECT_EQ(FarEdge(300, 2147483647), 2147483647);
    EXPECT_EQ(FarEdge(-2147483647 - 1, -5), -2147483647 - 1);
}

}  // namespace
