#pragma once

#include "image.h"

// A picture of the deep blue to violet backdrop, with the faint rings of a huge disc whose centre
// lies beyond the bottom-right corner.
Image night_sky_image(int width, int height);
