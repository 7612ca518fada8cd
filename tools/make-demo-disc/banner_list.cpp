#include "banners.h"
#include "block_font.h"
#include "block_title.h"
#include "fill.h"
#include "icon.h"
#include "image_ops.h"
#include "label.h"
#include "layout.h"
#include "night_sky.h"
#include "sparkles.h"

namespace {

constexpr BlockTitleStyle kBigStyle{
    .cell = 4,
    .depth = 3,
    .outline = 1,
    .shine = 1,
    .face_top = {255, 236, 140},
    .face_bottom = {250, 150, 40},
    .shine_colour = {255, 250, 220},
    .side = {140, 60, 20},
    .edge = {20, 16, 40},
};

void centre_title(Image& image, int top, std::string_view text, const BlockTitleStyle& style) {
    paint_block_title(image, (image.width() - block_title_width(text, style)) / 2, top, text,
                      style);
}

}  // namespace

Image draw_list_banner() {
    const Rect& place = layout::kListBanner;
    Image image = night_sky_image(place.width, place.height);
    fill(image, circle(place.width / 2.0, 100, 84), Rgba{140, 170, 255, 40});
    paint_sparkles(image, {0, 0, place.width, place.height}, 12, 77);
    composite(image, draw_icon(136), (place.width - 136) / 2, 32);

    // A round sticker on the disc's edge.
    fill(image, star(140, 42, 30, 24, 14), Rgba{230, 40, 60});
    fill(image, circle(140, 42, 21), Rgba{250, 70, 80});
    paint_label(image, 140 - block_font::text_width("NEW", 2) / 2, 34, "NEW", 2,
                Rgba{255, 255, 255});

    centre_title(image, 184, "DEMO", kBigStyle);
    centre_title(image, 228, "DISC", kBigStyle);
    return image;
}
