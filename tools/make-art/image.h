#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "colour.h"

// A top-down grid of pixels.
class Image {
public:
    Image(int width, int height, Rgba fill)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }

    Rgba& at(int x, int y) { return pixels_[index(x, y)]; }
    const Rgba& at(int x, int y) const { return pixels_[index(x, y)]; }

private:
    std::size_t index(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            throw std::out_of_range("pixel outside the image");
        }
        return static_cast<std::size_t>(y) * width_ + x;
    }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};
