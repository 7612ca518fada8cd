#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A picture in memory: rows top to bottom, each pixel a GDI colour (red in the low byte).
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Raster() = default;
    Raster(int w, int h, std::uint32_t colour);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The part of both rectangles; empty (no width or height) when they do not meet.
PixelRect Intersection(PixelRect a, PixelRect b);

// Copies width x height pixels from (sx, sy) of the source to (dx, dy), as BitBlt does: what
// lies outside either picture is left out.
void CopyPixels(Raster& target, int dx, int dy, const Raster& source, int sx, int sy, int width,
                int height);

// Fills the part of the rectangle inside both the picture and the clip.
void FillPixels(Raster& target, PixelRect area, std::uint32_t colour, PixelRect clip);

// Blends the colour in by coverage (0 to 255) at one pixel, inside the clip only.
void BlendPixel(Raster& target, int x, int y, std::uint32_t colour, int coverage, PixelRect clip);

// Blends one of GDI's 17 grey levels of a glyph (0 to 16) in at one pixel, inside the clip
// only, as GDI does: not linearly, but along a ramp of intensities (about 77 x level^0.4315),
// so that the edges of dark text on a light ground come out lighter.
void BlendGlyphLevel(Raster& target, int x, int y, std::uint32_t colour, int level, PixelRect clip);

bool WritePng(const Raster& raster, const std::filesystem::path& path);
// The picture as a PNG file's bytes; empty when it could not be encoded.
std::string EncodePng(const Raster& raster);
