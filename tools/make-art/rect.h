#pragma once

// A place in a window or picture, in pixels.
struct Rect {
    int x;
    int y;
    int width;
    int height;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
};
