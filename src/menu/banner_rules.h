#pragma once

#include <string>
#include <vector>

#include "menu/menu_model.h"

// A "lista" banner is not drawn while the menu "pelne" is current.
bool IsBannerDrawn(const BannerSpec& banner, const Menu* currentMenu);

// The link banner under a point: the first banner in list order holding the point strictly
// inside decides, and when it has no link the point is over no link. -1 for none.
int LinkBannerAt(const std::vector<BannerSpec>& banners, int x, int y);

// The edge at start + extent, held to the range of int, since both come from the description.
int FarEdge(int start, int extent);

// The frame after this one in a strip of count frames.
int NextFrame(int frame, int count);
