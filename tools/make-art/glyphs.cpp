#include "glyphs.h"

#include "block_font.h"
#include "fill.h"
#include "label.h"

void paint_cross(Image& image, double x, double y, double size, Rgba colour) {
    const double h = size / 2;
    const double stroke = size / 4;
    fill(image, segment({x - h, y - h}, {x + h, y + h}, stroke), colour);
    fill(image, segment({x - h, y + h}, {x + h, y - h}, stroke), colour);
}

void paint_dash(Image& image, double x, double y, double size, Rgba colour) {
    const double stroke = size / 4;
    fill(image, segment({x - size / 2, y + size / 3}, {x + size / 2, y + size / 3}, stroke),
         colour);
}

void paint_question_mark(Image& image, double x, double y, Rgba colour) {
    constexpr int kCell = 2;
    const int width = block_font::text_width("?", kCell);
    const int height = block_font::text_height(kCell);
    paint_label(image, static_cast<int>(x) - width / 2, static_cast<int>(y) - height / 2, "?",
                kCell, colour);
}

void paint_star(Image& image, double x, double y, double size, Rgba colour) {
    fill(image, star(x, y + size * 0.06, size / 2, size / 5, 5), colour);
}

void paint_notes(Image& image, double x, double y, double size, Rgba colour) {
    const double s = size / 16;
    const double stem = 1.6 * s;
    fill(image, ellipse(x - 4.5 * s, y + 5 * s, 3 * s, 2.3 * s), colour);
    fill(image, ellipse(x + 4.5 * s, y + 3.5 * s, 3 * s, 2.3 * s), colour);
    fill(image, rectangle(x - 2.3 * s, y - 6 * s, stem, 11 * s), colour);
    fill(image, rectangle(x + 6.7 * s, y - 7.5 * s, stem, 11 * s), colour);
    fill(image,
         polygon({{x - 2.3 * s, y - 6 * s},
                  {x + 6.7 * s + stem, y - 7.5 * s},
                  {x + 6.7 * s + stem, y - 4.5 * s},
                  {x - 2.3 * s, y - 3 * s}}),
         colour);
}

void paint_palette(Image& image, double x, double y, double size, Rgba colour) {
    const double s = size / 16;
    fill(image, difference(ellipse(x, y, 8 * s, 6.5 * s), circle(x + 3.5 * s, y + 3 * s, 1.6 * s)),
         colour);
    const Rgba dabs[] = {{230, 50, 50}, {250, 200, 30}, {60, 180, 80}, {50, 110, 230}};
    const Point places[] = {{-4.5, -1}, {-1.5, -3.8}, {2.5, -3.6}, {5, -0.5}};
    for (int i = 0; i < 4; ++i) {
        fill(image, circle(x + places[i].x * s, y + places[i].y * s, 1.7 * s), dabs[i]);
    }
}
