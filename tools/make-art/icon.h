#pragma once

#include "image.h"

// The program icon at `size` x `size` pixels: the banner's disc on a transparent background.
Image draw_icon(int size);
