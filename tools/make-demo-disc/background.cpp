#include "background.h"

#include <string_view>

#include "block_title.h"
#include "card.h"
#include "fill.h"
#include "icon.h"
#include "image_ops.h"
#include "info_card.h"
#include "label.h"
#include "layout.h"
#include "night_sky.h"
#include "sparkles.h"
#include "theme.h"

namespace {

constexpr BlockTitleStyle kLogoStyle{
    .cell = 3,
    .depth = 2,
    .outline = 1,
    .shine = 1,
    .face_top = {255, 226, 110},
    .face_bottom = {246, 140, 40},
    .shine_colour = {255, 248, 210},
    .side = {150, 64, 20},
    .edge = {16, 18, 40},
};

void paint_header(Image& image) {
    const Rect& header = layout::kHeader;
    fill(image, rectangle(header.x, header.y, header.width, header.height),
         vertical_gradient(Rgba{8, 10, 30, 150}, Rgba{8, 10, 30, 90}, header.y, header.bottom()));
    fill(image, rectangle(header.x, header.bottom() - 1, header.width, 1), Rgba{255, 196, 64, 170});
    composite(image, draw_icon(48), 8, 6);

    constexpr std::string_view kName = "DISCMENU";
    paint_block_title(image, 66, 17, kName, kLogoStyle);
    const int tag_left = 66 + block_title_width(kName, kLogoStyle) + 12;
    fill(image, rounded_rectangle(tag_left, 18, 72, 24, 12),
         vertical_gradient(Rgba{255, 226, 120}, Rgba{255, 180, 60}, 18, 42));
    paint_label(image, tag_left + 8, 22, "DEMO", 2, theme::kInk);
    paint_sparkles(image, {tag_left + 84, 6, layout::kHelp.x - tag_left - 96, 48}, 7, 11);
}

// A faint disc where the list banner stands, for the view that hides it.
void paint_watermark(Image& image, const Rect& area) {
    const double cx = area.x + area.width / 2.0;
    const double cy = area.y + area.height / 2.0;
    fill(image, difference(circle(cx, cy, 70), circle(cx, cy, 14)), Rgba{150, 166, 210, 40});
    fill(image, difference(circle(cx, cy, 40), circle(cx, cy, 36)), Rgba{150, 166, 210, 50});
}

void paint_footer(Image& image) {
    const Rect& banner = layout::kAnimatedBanner;
    fill(image,
         rounded_rectangle(banner.x - 3, banner.y - 3, banner.width + 6, banner.height + 6, 4),
         vertical_gradient(Rgba{255, 226, 120}, Rgba{200, 120, 30}, banner.y - 3,
                           banner.bottom() + 3));
    fill(image, rectangle(banner.x, banner.y, banner.width, banner.height), theme::kInk);
    const int side = banner.x - 28;
    paint_sparkles(image, {12, banner.y, side, banner.height}, 5, 21);
    paint_sparkles(image, {banner.right() + 16, banner.y, side, banner.height}, 5, 37);
}

}  // namespace

Image draw_background() {
    Image image = night_sky_image(layout::kWindowWidth, layout::kWindowHeight);
    paint_header(image);
    paint_card(image, layout::kCategoryCard);
    paint_watermark(image, layout::kListBanner);
    paint_card(image, layout::kApplicationCard);
    paint_info_card(image, {layout::kInfoCard, layout::kTitle, layout::kScreen,
                            layout::kDescription, theme::kTitleField, theme::kDescriptionField});
    paint_card(image, layout::kActionBar);
    paint_footer(image);
    return image;
}
