#include "menu/banner_rules.h"

#include <algorithm>
#include <limits>

bool IsBannerDrawn(const BannerSpec& banner, const Menu* currentMenu) {
    return !(currentMenu && currentMenu->name == "pelne" && banner.name == "lista");
}

int LinkBannerAt(const std::vector<BannerSpec>& banners, int x, int y) {
    for (size_t i = 0; i < banners.size(); ++i) {
        const ControlRect& r = banners[i].rect;
        const long long right = static_cast<long long>(r.x) + r.width;
        const long long bottom = static_cast<long long>(r.y) + r.height;
        if (r.x < x && x < right && r.y < y && y < bottom) {
            return banners[i].link.empty() ? -1 : static_cast<int>(i);
        }
    }
    return -1;
}

int NextFrame(int frame, int count) { return frame + 1 >= count ? 0 : frame + 1; }

int FarEdge(int start, int extent) {
    const long long edge = static_cast<long long>(start) + extent;
    return static_cast<int>(std::clamp<long long>(edge, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}
