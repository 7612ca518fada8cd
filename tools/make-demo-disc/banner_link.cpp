#include <string_view>

#include "banners.h"
#include "block_font.h"
#include "block_title.h"
#include "fill.h"
#include "layout.h"
#include "label.h"

namespace {

constexpr BlockTitleStyle kStyle{
    .cell = 4,
    .depth = 2,
    .outline = 1,
    .shine = 1,
    .face_top = {255, 255, 255},
    .face_bottom = {190, 230, 255},
    .shine_colour = {255, 255, 255},
    .side = {20, 90, 140},
    .edge = {10, 30, 60},
};

void paint_globe(Image& image, double x, double y, double r) {
    constexpr Rgba kLine{255, 255, 255, 200};
    fill(image, circle(x, y, r + 3), Rgba{255, 255, 255, 50});
    fill(image, circle(x, y, r),
         vertical_gradient(Rgba{120, 220, 255}, Rgba{20, 110, 200}, static_cast<int>(y - r),
                           static_cast<int>(y + r)));
    fill(image, difference(circle(x, y, r), circle(x, y, r - 2)), kLine);
    fill(image, difference(ellipse(x, y, r * 0.5, r), ellipse(x, y, r * 0.5 - 2, r - 2)), kLine);
    fill(image, rectangle(x - 1, y - r, 2, 2 * r), kLine);
    fill(image, rectangle(x - r, y - 1, 2 * r, 2), kLine);
    for (double dy : {-r * 0.5, r * 0.5}) {
        const double half = r * 0.866;
        fill(image, rectangle(x - half, y + dy - 1, 2 * half, 2), kLine);
    }
}

}  // namespace

Image draw_link_banner() {
    const Rect& place = layout::kLinkBanner;
    Image image(place.width, place.height, Rgba{});
    fill(image, rectangle(0, 0, place.width, place.height),
         vertical_gradient(Rgba{20, 150, 200}, Rgba{30, 60, 150}, 0, place.height));
    fill(image, circle(place.width / 2.0, 64, 70), Rgba{255, 255, 255, 22});
    paint_globe(image, place.width / 2.0, 62, 38);
    paint_block_title(image, (place.width - block_title_width("WWW", kStyle)) / 2, 112, "WWW",
                      kStyle);
    constexpr std::string_view kAddress = "DISCMENU.EXAMPLE";
    paint_label(image, (place.width - block_font::text_width(kAddress, 1)) / 2, 152, kAddress, 1,
                Rgba{230, 246, 255});
    return image;
}
