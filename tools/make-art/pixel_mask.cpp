#include "pixel_mask.h"

#include <cstddef>

PixelMask::PixelMask(int width, int height)
    : width_(width), height_(height), bits_(static_cast<std::size_t>(width) * height, 0) {}

bool PixelMask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return bits_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

void PixelMask::set(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    bits_[static_cast<std::size_t>(y) * width_ + x] = 1;
}

void PixelMask::merge(const PixelMask& other, int dx, int dy) {
    for (int y = 0; y < other.height_; ++y) {
        for (int x = 0; x < other.width_; ++x) {
            if (other.at(x, y)) {
                set(x + dx, y + dy);
            }
        }
    }
}

PixelMask PixelMask::dilated(int radius) const {
    PixelMask grown(width_, height_);
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            grown.merge(*this, dx, dy);
        }
    }
    return grown;
}
