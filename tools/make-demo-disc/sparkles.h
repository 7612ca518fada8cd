#pragma once

#include "image.h"
#include "layout.h"

// `count` small four-pointed glints scattered over `area`; the same seed scatters them alike.
void paint_sparkles(Image& image, const Rect& area, int count, unsigned seed);
