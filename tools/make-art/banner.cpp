#include "banner.h"

#include <string_view>

#include "block_title.h"
#include "disc.h"

namespace {

constexpr std::string_view kTitle = "DISCMENU";
constexpr BlockTitleStyle kTitleStyle{
    .cell = 6,
    .depth = 4,
    .outline = 2,
    .shine = 2,
    .face_top = {255, 224, 92},
    .face_bottom = {246, 128, 30},
    .shine_colour = {255, 246, 200},
    .side = {156, 62, 16},
    .edge = {34, 30, 38},
};

// Centred vertically, with a hole of 17% of the radius.
constexpr Disc kDisc{66 * kSubpixels, kBannerHeight / 2 * kSubpixels, 60 * kSubpixels,
                     60 * kSubpixels * 17 / 100, 2 * kSubpixels};
// The title is centred between the disc and the right edge.
constexpr int kTitleAreaLeft = 136;

}  // namespace

Image draw_banner() {
    Image image(kBannerWidth, kBannerHeight, kTransparencyKey);
    paint_disc_hard(image, kDisc);
    const int area_width = kBannerWidth - kTitleAreaLeft;
    const int left = kTitleAreaLeft + (area_width - block_title_width(kTitle, kTitleStyle)) / 2;
    const int top = (kBannerHeight - block_title_height(kTitleStyle)) / 2;
    paint_block_title(image, left, top, kTitle, kTitleStyle);
    return image;
}
