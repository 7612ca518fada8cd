#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Shapes are tested in eighths of a pixel, so that edges can fall inside a pixel.
inline constexpr int kShapeSubpixels = 8;

// A pixel rectangle; right and bottom are exclusive.
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;
};

// A region of the plane: the pixels it may touch and a test for a point in subpixels.
struct Shape {
    PixelBox bounds;
    std::function<bool(std::int64_t x, std::int64_t y)> contains;
};

struct Point {
    double x;
    double y;
};

// All coordinates are pixels; a pixel's centre lies at +0.5.
Shape rectangle(double left, double top, double width, double height);
Shape rounded_rectangle(double left, double top, double width, double height, double radius);
Shape ellipse(double centre_x, double centre_y, double radius_x, double radius_y);
Shape circle(double centre_x, double centre_y, double radius);
// Filled by the non-zero winding rule, so points may go either way round.
Shape polygon(const std::vector<Point>& points);
// A stroke with round ends.
Shape segment(Point from, Point to, double width);
// A star of `points` tips, pointing up.
Shape star(double centre_x, double centre_y, double outer_radius, double inner_radius, int points);

// The points of `shape` that are not in `hole`.
Shape difference(Shape shape, Shape hole);
