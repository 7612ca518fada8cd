#include "player.h"

#include <string_view>

#include "block_font.h"
#include "block_title.h"
#include "bmp_writer.h"
#include "button_strip.h"
#include "card.h"
#include "chime.h"
#include "config_line.h"
#include "disc_files.h"
#include "disc_path.h"
#include "file_output.h"
#include "fill.h"
#include "glyphs.h"
#include "icon_button.h"
#include "label.h"
#include "layout.h"
#include "night_sky.h"
#include "sparkles.h"
#include "theme.h"

namespace {

constexpr std::string_view kLinkText = "WWW.DISCMENU";
constexpr Rgba kLinkTop{255, 226, 120};
constexpr Rgba kLinkBottom{255, 180, 60};

void paint_play(Image& image, double x, double y, Rgba colour) {
    fill(image, polygon({{x - 8, y - 12}, {x + 13, y}, {x - 8, y + 12}}), colour);
}

void paint_stop(Image& image, double x, double y, Rgba colour) {
    fill(image, rounded_rectangle(x - 10, y - 10, 20, 20, 3), colour);
}

// The publisher's link, on the area the program opens the page from.
void paint_link(Image& image) {
    const Rect& link = layout::kPlayerLink;
    fill(image, rounded_rectangle(link.x, link.y, link.width, link.height, link.height / 2.0),
         vertical_gradient(kLinkTop, kLinkBottom, link.y, link.bottom()));
    constexpr int kCell = 2;
    const int width = block_font::text_width(kLinkText, kCell);
    const int height = block_font::text_height(kCell);
    paint_label(image, link.x + (link.width - width) / 2, link.y + (link.height - height) / 2,
                kLinkText, kCell, theme::kInk);
}

Image draw_player_background() {
    Image image = night_sky_image(layout::kPlayerWidth, layout::kPlayerHeight);
    const Rect& header = layout::kPlayerHeader;
    fill(image, rectangle(header.x, header.y, header.width, header.height),
         vertical_gradient(Rgba{8, 10, 30, 150}, Rgba{8, 10, 30, 90}, header.y, header.bottom()));
    fill(image, rectangle(header.x, header.bottom() - 1, header.width, 1), Rgba{255, 196, 64, 170});
    paint_notes(image, 26, 22, 22, Rgba{255, 226, 110});
    paint_label(image, 46, 15, "AUDIO", 2, Rgba{255, 248, 210});
    paint_sparkles(image, {140, 6, 280, 32}, 5, 53);

    const Rect& card = layout::kPlayerCard;
    paint_card(image, card);
    const Rect& start = layout::kPlayerStart;
    paint_notes(image, card.x + card.width / 2.0, card.y + 48, 56, Rgba{112, 126, 172});
    const double cx = start.x + start.width / 2.0;
    const double cy = start.y + start.height / 2.0;
    fill(image,
         difference(circle(cx, cy, start.width / 2.0 + 7), circle(cx, cy, start.width / 2.0 + 3)),
         kCardEdge);
    paint_link(image);
    return image;
}

}  // namespace

std::string player_file() {
    std::string out = ConfigLine("window")
                          .number("width", layout::kPlayerWidth)
                          .number("height", layout::kPlayerHeight)
                          .str();
    out += ConfigLine("audio").word("type", "mp3").text("file", disc_files::kChime).str();
    out += button_item("close", "", disc_files::kPlayerClose, layout::kPlayerClose);
    out += button_item("start", "", disc_files::kPlayerStart, layout::kPlayerStart);
    out += button_item("stop", "", disc_files::kPlayerStop, layout::kPlayerStart);
    out += ConfigLine("item")
               .word("type", "region")
               .word("name", "status")
               .place(layout::kPlayerStatus)
               .str();
    return out;
}

void write_player(const std::filesystem::path& disc) {
    write_file(on_disc(disc, disc_files::kPlayerConfig), player_file());
    const Image background = draw_player_background();
    write_file(on_disc(disc, disc_files::kPlayerBackground), encode_bmp(background));
    write_strip(disc, disc_files::kPlayerClose, background, layout::kPlayerClose,
                icon_button([](Image& image, double x, double y,
                               Rgba colour) { paint_cross(image, x, y, 10, colour); },
                            true));
    write_strip(disc, disc_files::kPlayerStart, background, layout::kPlayerStart,
                icon_button(paint_play, false));
    write_strip(disc, disc_files::kPlayerStop, background, layout::kPlayerStart,
                icon_button(paint_stop, false));
    write_file(on_disc(disc, disc_files::kChime), encode_chime());
}
