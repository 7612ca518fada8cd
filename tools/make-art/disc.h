#pragma once

#include "image.h"

// Disc geometry is measured in subpixels so that edges can be sampled inside a pixel.
inline constexpr int kSubpixels = 8;

// A stylised optical disc: silver data area with a rainbow sheen, a clear hub and a hole.
struct Disc {
    int centre_x;
    int centre_y;
    int radius;
    int hole_radius;
    // Width of the dark edge along the rim and around the hole.
    int outline;
};

// Paints the pixels whose centre lies on the disc. Edges stay hard, so every other pixel keeps
// its colour exactly.
void paint_disc_hard(Image& image, const Disc& disc);

// Replaces the pixels the disc touches, with alpha set to the share of the pixel it covers.
void paint_disc_smooth(Image& image, const Disc& disc);
