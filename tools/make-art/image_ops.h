#pragma once

#include "image.h"

// Copies the `width` x `height` block at (left, top).
Image crop(const Image& image, int left, int top, int width, int height);

// Copies `part` into `image` with its top-left corner at (left, top).
void paste(Image& image, const Image& part, int left, int top);

// Lays `part` over `image` at (left, top), weighted by the part's alpha.
void composite(Image& image, const Image& part, int left, int top);
