#include "icon.h"

#include "disc.h"

Image draw_icon(int size) {
    Image image(size, size, Rgba{0, 0, 0, 0});
    const int centre = size * kSubpixels / 2;
    // Half a pixel of margin, and an edge that thickens with the size.
    const int radius = centre - kSubpixels / 2;
    const Disc disc{centre, centre, radius, radius * 22 / 100, kSubpixels * size / 32};
    paint_disc_smooth(image, disc);
    return image;
}
