#include "banner.h"

#include <string_view>

#include "block_font.h"
#include "disc.h"
#include "pixel_mask.h"

namespace {

constexpr std::string_view kTitle = "DISCMENU";
constexpr int kCell = 6;
// The letters stand out as blocks pushed this far towards the bottom right.
constexpr int kDepth = 4;
constexpr int kOutline = 2;
constexpr int kShine = 2;

constexpr Rgba kFaceTop{255, 224, 92};
constexpr Rgba kFaceBottom{246, 128, 30};
constexpr Rgba kShineColour{255, 246, 200};
constexpr Rgba kSide{156, 62, 16};
constexpr Rgba kDarkEdge{34, 30, 38};

// Centred vertically, with a hole of 17% of the radius.
constexpr Disc kDisc{66 * kSubpixels, kBannerHeight / 2 * kSubpixels, 60 * kSubpixels,
                     60 * kSubpixels * 17 / 100, 2 * kSubpixels};
// The title is centred between the disc and the right edge.
constexpr int kTitleAreaLeft = 136;

void paint(Image& image, const PixelMask& mask, Rgba colour) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.at(x, y)) {
                image.at(x, y) = colour;
            }
        }
    }
}

void paint_title(Image& image) {
    const int text_width = block_font::text_width(kTitle, kCell);
    const int text_height = block_font::text_height(kCell);
    const int area_width = kBannerWidth - kTitleAreaLeft;
    const int left = kTitleAreaLeft + (area_width - text_width - kDepth) / 2;
    const int top = (kBannerHeight - text_height - kDepth) / 2;

    PixelMask face(kBannerWidth, kBannerHeight);
    block_font::stamp_text(face, left, top, kTitle, kCell);
    PixelMask solid = face;
    for (int step = 1; step <= kDepth; ++step) {
        solid.merge(face, step, step);
    }

    paint(image, solid.dilated(kOutline), kDarkEdge);
    paint(image, solid, kSide);
    for (int y = top; y < top + text_height; ++y) {
        const Rgba fill = mix(kFaceTop, kFaceBottom, (y - top) * 256 / text_height);
        for (int x = left; x < left + text_width; ++x) {
            if (face.at(x, y)) {
                const bool lit = !face.at(x, y - kShine);
                image.at(x, y) = lit ? mix(fill, kShineColour, 160) : fill;
            }
        }
    }
}

}  // namespace

Image draw_banner() {
    Image image(kBannerWidth, kBannerHeight, kTransparencyKey);
    paint_disc_hard(image, kDisc);
    paint_title(image);
    return image;
}
