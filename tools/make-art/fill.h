#pragma once

#include <functional>

#include "image.h"
#include "shape.h"

// The colour a fill lays on pixel (x, y); its alpha is the fill's opacity there.
using Paint = std::function<Rgba(int x, int y)>;

// From `top` at row `from` to `bottom` at row `to`, constant beyond.
Paint vertical_gradient(Rgba top, Rgba bottom, int from, int to);
Paint horizontal_gradient(Rgba left, Rgba right, int from, int to);

// Lays the paint over the pixels the shape covers, each weighted by the share of its 16 sample
// points inside the shape, so edges come out smooth.
void fill(Image& image, const Shape& shape, const Paint& paint);
void fill(Image& image, const Shape& shape, Rgba colour);

// `colour` over `under`, weighted by the colour's alpha times `coverage` / 256.
Rgba blend(Rgba under, Rgba colour, int coverage = 256);
