#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A rectangle of pixels: left and top inside it, right and bottom just past it.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect&) const = default;
};

// An image as rows of 0x00RRGGBB pixels, the top row first; the top byte is no part of the
// colour. The span holds at least width x height values.
struct PixelRows {
    std::span<const std::uint32_t> pixels;
    int width = 0;
    int height = 0;
};

// Every pixel whose colour is not exactly the key, as rectangles in top-to-bottom,
// left-to-right bands: one per run of such pixels in a row, and a row whose runs are those
// of the row above only stretches that row's rectangles down. Nothing for an image with too
// few pixels.
std::vector<PixelRect> VisibleRectangles(const PixelRows& image, std::uint32_t key);
