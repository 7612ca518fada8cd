#include "outro.h"

#include <string_view>

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

constexpr std::string_view kName = "DISCMENU";
constexpr std::string_view kFarewell = "SEE YOU SOON!";

constexpr BlockTitleStyle kNameStyle{
    .cell = 6,
    .depth = 3,
    .outline = 2,
    .shine = 2,
    .face_top = {255, 226, 110},
    .face_bottom = {246, 140, 40},
    .shine_colour = {255, 248, 210},
    .side = {150, 64, 20},
    .edge = {16, 18, 40},
};

}  // namespace

Image draw_outro() {
    constexpr int kWidth = layout::kOutroWidth;
    constexpr int kHeight = layout::kOutroHeight;
    Image image = night_sky_image(kWidth, kHeight);
    paint_sparkles(image, {24, 24, kWidth - 48, 140}, 14, 71);
    constexpr int kEmblem = 160;
    fill(image, circle(kWidth / 2.0, 150, kEmblem / 2.0 + 14), Rgba{255, 226, 120, 40});
    composite(image, draw_icon(kEmblem), (kWidth - kEmblem) / 2, 150 - kEmblem / 2);

    const int name_width = block_title_width(kName, kNameStyle);
    paint_block_title(image, (kWidth - name_width) / 2, 270, kName, kNameStyle);
    constexpr int kCell = 3;
    const int farewell_width = block_font::text_width(kFarewell, kCell);
    paint_label(image, (kWidth - farewell_width) / 2, 380, kFarewell, kCell, Rgba{255, 248, 210});
    paint_sparkles(image, {24, 420, kWidth - 48, 44}, 8, 83);
    return image;
}
