#pragma once

#include <cstdint>
#include <vector>

// A set of pixels on a fixed-size grid; reads outside the grid are empty.
class PixelMask {
public:
    PixelMask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    bool at(int x, int y) const;
    // Pixels outside the grid are dropped.
    void set(int x, int y);

    // Adds every pixel of `other`, moved by (dx, dy).
    void merge(const PixelMask& other, int dx, int dy);
    // Grows the set by `radius` pixels in every direction, diagonals included, which keeps
    // outlines as square-cornered as the blocks they surround.
    PixelMask dilated(int radius) const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bits_;
};
