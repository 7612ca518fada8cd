#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include "controls/button_state.h"

// Left edge of the frame to show from a strip of three frames, each `width` wide:
// normal, hover, pressed. A disabled button always shows the third.
constexpr int FrameSourceX(int width, bool enabled, ButtonState state) {
    // A third frame past the ends of int lies past any strip: held there.
    const int third = static_cast<int>(
        std::clamp(2LL * width, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
    if (!enabled) return third;
    if (!state.hover) return 0;
    return state.pressed ? third : width;
}

struct FramePart {
    int width = 0;
    int height = 0;

    constexpr bool Empty() const { return width <= 0 || height <= 0; }
};

// The part of a width x height frame at sourceX that the strip really holds. A strip short of
// three frames is never read past its edge; what it lacks is simply not drawn.
constexpr FramePart FramePartInStrip(int stripWidth, int stripHeight, int sourceX, int width,
                                     int height) {
    const int partWidth = std::clamp(stripWidth - sourceX, 0, std::max(width, 0));
    const int partHeight = std::clamp(stripHeight, 0, std::max(height, 0));
    if (partWidth == 0 || partHeight == 0) return {};
    return {partWidth, partHeight};
}

// A GDI colour value: red in the low byte, then green, then blue.
constexpr std::uint32_t ColourRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8) | (static_cast<std::uint32_t>(blue) << 16);
}

inline constexpr std::uint32_t kLinkNormal = ColourRgb(153, 153, 153);
inline constexpr std::uint32_t kLinkHover = ColourRgb(0, 0, 255);
inline constexpr std::uint32_t kLinkPressed = ColourRgb(255, 0, 0);

// A link's caption colour; whether it is enabled does not matter.
constexpr std::uint32_t LinkColour(ButtonState state) {
    if (!state.hover) return kLinkNormal;
    return state.pressed ? kLinkPressed : kLinkHover;
}
