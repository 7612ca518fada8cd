#include "image_ops.h"

#include "fill.h"

Image crop(const Image& image, int left, int top, int width, int height) {
    Image part(width, height, Rgba{});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.at(x, y) = image.at(left + x, top + y);
        }
    }
    return part;
}

void paste(Image& image, const Image& part, int left, int top) {
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            image.at(left + x, top + y) = part.at(x, y);
        }
    }
}

void composite(Image& image, const Image& part, int left, int top) {
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            Rgba& under = image.at(left + x, top + y);
            under = blend(under, part.at(x, y));
        }
    }
}
