#include <array>
#include <string_view>

#include "banners.h"
#include "block_title.h"
#include "fill.h"
#include "icon.h"
#include "image_ops.h"
#include "layout.h"
#include "sparkles.h"

namespace {

struct Slide {
    std::string_view text;
    Rgba left;
    Rgba right;
    // Where the disc stands, from the frame's left edge.
    int disc_x;
};

constexpr std::array<Slide, layout::kAnimatedFrames> kSlides{{
    {"DISCMENU", {30, 60, 160}, {110, 40, 170}, 8},
    {"11 APPS", {120, 30, 120}, {220, 80, 60}, 408},
    {"PLAY NOW", {10, 110, 120}, {40, 60, 170}, 8},
    {"DEMO 1.0", {170, 70, 20}, {150, 30, 110}, 408},
}};

constexpr BlockTitleStyle kStyle{
    .cell = 4,
    .depth = 2,
    .outline = 1,
    .shine = 1,
    .face_top = {255, 236, 140},
    .face_bottom = {250, 160, 50},
    .shine_colour = {255, 250, 220},
    .side = {140, 60, 20},
    .edge = {20, 16, 40},
};

Image draw_slide(const Slide& slide, int index) {
    const Rect& place = layout::kAnimatedBanner;
    Image frame(place.width, place.height, Rgba{});
    fill(frame, rectangle(0, 0, place.width, place.height),
         horizontal_gradient(slide.left, slide.right, 0, place.width));
    // A band of light that sweeps a little further across on every frame.
    const double sweep = 40 + 120.0 * index;
    fill(frame, polygon({{sweep, 0}, {sweep + 50, 0}, {sweep + 20, 60}, {sweep - 30, 60}}),
         Rgba{255, 255, 255, 40});
    paint_sparkles(frame, {0, 0, place.width, place.height}, 9, 50 + index);
    composite(frame, draw_icon(52), slide.disc_x, 4);

    const int text_left = slide.disc_x < place.width / 2 ? 72 : 16;
    const int text_area = place.width - 72 - 16;
    const int left = text_left + (text_area - block_title_width(slide.text, kStyle)) / 2;
    const int top = (place.height - block_title_height(kStyle)) / 2;
    paint_block_title(frame, left, top, slide.text, kStyle);
    return frame;
}

}  // namespace

Image draw_animated_banner() {
    const Rect& place = layout::kAnimatedBanner;
    Image strip(place.width * layout::kAnimatedFrames, place.height, Rgba{});
    for (int i = 0; i < layout::kAnimatedFrames; ++i) {
        paste(strip, draw_slide(kSlides[i], i), i * place.width, 0);
    }
    return strip;
}
