#include "shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

using Sub = std::int64_t;

Sub to_sub(double pixels) { return std::llround(pixels * kShapeSubpixels); }

PixelBox box_around(double left, double top, double right, double bottom) {
    return {static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
            static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))};
}

struct SubPoint {
    Sub x;
    Sub y;
};

}  // namespace

Shape rectangle(double left, double top, double width, double height) {
    return rounded_rectangle(left, top, width, height, 0);
}

Shape rounded_rectangle(double left, double top, double width, double height, double radius) {
    const Sub l = to_sub(left);
    const Sub t = to_sub(top);
    const Sub r = to_sub(left + width);
    const Sub b = to_sub(top + height);
    const Sub corner = to_sub(radius);
    return {box_around(left, top, left + width, top + height), [=](Sub x, Sub y) {
                if (x < l || x >= r || y < t || y >= b) {
                    return false;
                }
                const Sub dx = x - std::clamp(x, l + corner, r - corner);
                const Sub dy = y - std::clamp(y, t + corner, b - corner);
                return dx * dx + dy * dy <= corner * corner;
            }};
}

Shape ellipse(double centre_x, double centre_y, double radius_x, double radius_y) {
    const Sub cx = to_sub(centre_x);
    const Sub cy = to_sub(centre_y);
    const Sub rx = to_sub(radius_x);
    const Sub ry = to_sub(radius_y);
    return {box_around(centre_x - radius_x, centre_y - radius_y, centre_x + radius_x,
                       centre_y + radius_y),
            [=](Sub x, Sub y) {
                const Sub dx = x - cx;
                const Sub dy = y - cy;
                return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
            }};
}

Shape circle(double centre_x, double centre_y, double radius) {
    return ellipse(centre_x, centre_y, radius, radius);
}

Shape polygon(const std::vector<Point>& points) {
    std::vector<SubPoint> corners;
    double left = points.front().x;
    double right = left;
    double top = points.front().y;
    double bottom = top;
    for (const Point& p : points) {
        corners.push_back({to_sub(p.x), to_sub(p.y)});
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {box_around(left, top, right, bottom), [corners = std::move(corners)](Sub x, Sub y) {
                int winding = 0;
                for (std::size_t i = 0; i < corners.size(); ++i) {
                    const SubPoint& a = corners[i];
                    const SubPoint& b = corners[(i + 1) % corners.size()];
                    const Sub side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
                    if (a.y <= y && b.y > y && side > 0) {
                        ++winding;
                    } else if (a.y > y && b.y <= y && side < 0) {
                        --winding;
                    }
                }
                return winding != 0;
            }};
}

Shape segment(Point from, Point to, double width) {
    const SubPoint a{to_sub(from.x), to_sub(from.y)};
    const SubPoint b{to_sub(to.x), to_sub(to.y)};
    const Sub half = to_sub(width / 2);
    const double margin = width / 2;
    return {box_around(std::min(from.x, to.x) - margin, std::min(from.y, to.y) - margin,
                       std::max(from.x, to.x) + margin, std::max(from.y, to.y) + margin),
            [=](Sub x, Sub y) {
                const Sub ex = b.x - a.x;
                const Sub ey = b.y - a.y;
                const Sub dx = x - a.x;
                const Sub dy = y - a.y;
                const Sub along = dx * ex + dy * ey;
                const Sub length2 = ex * ex + ey * ey;
                if (along <= 0 || length2 == 0) {
                    return dx * dx + dy * dy <= half * half;
                }
                if (along >= length2) {
                    const Sub fx = x - b.x;
                    const Sub fy = y - b.y;
                    return fx * fx + fy * fy <= half * half;
                }
                const Sub across = dx * ey - dy * ex;
                return across * across <= half * half * length2;
            }};
}

Shape star(double centre_x, double centre_y, double outer_radius, double inner_radius, int points) {
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = std::numbers::pi * i / points;
        const double r = i % 2 == 0 ? outer_radius : inner_radius;
        corners.push_back({centre_x + r * std::sin(angle), centre_y - r * std::cos(angle)});
    }
    return polygon(corners);
}

Shape difference(Shape shape, Shape hole) {
    return {shape.bounds, [shape = std::move(shape), hole = std::move(hole)](Sub x, Sub y) {
                return shape.contains(x, y) && !hole.contains(x, y);
            }};
}
