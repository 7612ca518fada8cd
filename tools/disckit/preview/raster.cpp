#include "raster.h"

#include <algorithm>

#include "stb_image_write.h"

Raster::Raster(int w, int h, std::uint32_t colour)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, colour) {}

void CopyPixels(Raster& target, int dx, int dy, const Raster& source, int sx, int sy, int width,
                int height) {
    for (int row = 0; row < height; ++row) {
        const int ty = dy + row;
        const int fy = sy + row;
        if (ty < 0 || ty >= target.height || fy < 0 || fy >= source.height) continue;
        for (int column = 0; column < width; ++column) {
            const int tx = dx + column;
            const int fx = sx + column;
            if (target.Contains(tx, ty) && source.Contains(fx, fy)) {
                target.At(tx, ty) = source.At(fx, fy);
            }
        }
    }
}

namespace {
bool InClip(int x, int y, PixelRect clip) {
    return x >= clip.x && y >= clip.y && x - clip.x < clip.width && y - clip.y < clip.height;
}

int Channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 255); }
}  // namespace

void FillPixels(Raster& target, PixelRect area, std::uint32_t colour, PixelRect clip) {
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            if (target.Contains(x, y) && InClip(x, y, clip)) target.At(x, y) = colour;
        }
    }
}

void BlendPixel(Raster& target, int x, int y, std::uint32_t colour, int coverage, PixelRect clip) {
    if (coverage <= 0 || !target.Contains(x, y) || !InClip(x, y, clip)) return;
    std::uint32_t& pixel = target.At(x, y);
    std::uint32_t blended = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int mixed =
            (Channel(colour, shift) * coverage + Channel(pixel, shift) * (255 - coverage) + 127) /
            255;
        blended |= static_cast<std::uint32_t>(mixed) << shift;
    }
    pixel = blended;
}

bool WritePng(const Raster& raster, const std::filesystem::path& path) {
    std::vector<unsigned char> rgb;
    rgb.reserve(raster.pixels.size() * 3);
    for (std::uint32_t pixel : raster.pixels) {
        rgb.push_back(static_cast<unsigned char>(pixel & 255));
        rgb.push_back(static_cast<unsigned char>((pixel >> 8) & 255));
        rgb.push_back(static_cast<unsigned char>((pixel >> 16) & 255));
    }
    return stbi_write_png(path.string().c_str(), raster.width, raster.height, 3, rgb.data(),
                          raster.width * 3) != 0;
}
