#include "raster.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stb_image_write.h"

Raster::Raster(int w, int h, std::uint32_t colour)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, colour) {}

namespace {

// The half-open range [begin, end) of start..start+extent that also lies in [low, high).
struct Span {
    int begin = 0;
    int end = 0;
};

Span Within(long long start, long long extent, long long low, long long high) {
    const long long begin = std::max(start, low);
    const long long end = std::min(start + std::max(extent, 0LL), high);
    return {static_cast<int>(begin), static_cast<int>(std::max(begin, end))};
}

bool InClip(int x, int y, PixelRect clip) {
    return x >= clip.x && y >= clip.y && static_cast<long long>(x) - clip.x < clip.width &&
           static_cast<long long>(y) - clip.y < clip.height;
}

int Channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 255); }

}  // namespace

PixelRect Intersection(PixelRect a, PixelRect b) {
    const Span columns = Within(a.x, a.width, b.x, static_cast<long long>(b.x) + b.width);
    const Span rows = Within(a.y, a.height, b.y, static_cast<long long>(b.y) + b.height);
    return {columns.begin, rows.begin, columns.end - columns.begin, rows.end - rows.begin};
}

void CopyPixels(Raster& target, int dx, int dy, const Raster& source, int sx, int sy, int width,
                int height) {
    // Target columns whose source column also exists, likewise rows; 64 bits, as the
    // description's sizes may reach the ends of int.
    const long long shiftX = static_cast<long long>(sx) - dx;
    const long long shiftY = static_cast<long long>(sy) - dy;
    const Span columns = Within(dx, width, std::max(0LL, -shiftX),
                                std::min<long long>(target.width, source.width - shiftX));
    const Span rows = Within(dy, height, std::max(0LL, -shiftY),
                             std::min<long long>(target.height, source.height - shiftY));
    for (int y = rows.begin; y < rows.end; ++y) {
        for (int x = columns.begin; x < columns.end; ++x) {
            target.At(x, y) = source.At(static_cast<int>(x + shiftX), static_cast<int>(y + shiftY));
        }
    }
}

void FillPixels(Raster& target, PixelRect area, std::uint32_t colour, PixelRect clip) {
    const Span clipColumns = Within(clip.x, clip.width, 0, target.width);
    const Span clipRows = Within(clip.y, clip.height, 0, target.height);
    const Span columns = Within(area.x, area.width, clipColumns.begin, clipColumns.end);
    const Span rows = Within(area.y, area.height, clipRows.begin, clipRows.end);
    for (int y = rows.begin; y < rows.end; ++y) {
        for (int x = columns.begin; x < columns.end; ++x) target.At(x, y) = colour;
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

namespace {

int Ramp(int level) {
    static const std::array<int, 17> ramp = [] {
        std::array<int, 17> values{};
        for (int i = 1; i < 17; ++i) {
            values[i] = std::min(255, static_cast<int>(std::lround(77.05 * std::pow(i, 0.4315))));
        }
        return values;
    }();
    return ramp[static_cast<size_t>(std::clamp(level, 0, 16))];
}

// Between the ground and the text's component: the level's range runs from the ramp's value
// scaled by the text (on black) to its mirror pulled towards white (on white).
int GlyphComponent(int ground, int text, int level) {
    if (ground == text) return ground;
    if (ground > text) {
        const int most = Ramp(16 - level) + (255 - Ramp(16 - level)) * text / 255;
        return text + (ground - text) * (most - text) / (255 - text);
    }
    const int least = Ramp(level) * text / 255;
    return text - (text - ground) * (text - least) / text;
}

}  // namespace

void BlendGlyphLevel(Raster& target, int x, int y, std::uint32_t colour, int level,
                     PixelRect clip) {
    if (level <= 0 || !target.Contains(x, y) || !InClip(x, y, clip)) return;
    std::uint32_t& pixel = target.At(x, y);
    std::uint32_t blended = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        blended |= static_cast<std::uint32_t>(
                       GlyphComponent(Channel(pixel, shift), Channel(colour, shift), level))
                   << shift;
    }
    pixel = blended;
}

namespace {

std::vector<unsigned char> RgbRows(const Raster& raster) {
    std::vector<unsigned char> rgb;
    rgb.reserve(raster.pixels.size() * 3);
    for (std::uint32_t pixel : raster.pixels) {
        rgb.push_back(static_cast<unsigned char>(pixel & 255));
        rgb.push_back(static_cast<unsigned char>((pixel >> 8) & 255));
        rgb.push_back(static_cast<unsigned char>((pixel >> 16) & 255));
    }
    // One filter for every row (Paeth, which suits pictures): trying all five per row costs
    // more than the whole compression.
    stbi_write_force_png_filter = 4;
    return rgb;
}

}  // namespace

bool WritePng(const Raster& raster, const std::filesystem::path& path) {
    const std::vector<unsigned char> rgb = RgbRows(raster);
    return stbi_write_png(path.string().c_str(), raster.width, raster.height, 3, rgb.data(),
                          raster.width * 3) != 0;
}

std::string EncodePng(const Raster& raster) {
    const std::vector<unsigned char> rgb = RgbRows(raster);
    std::string png;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                                   static_cast<size_t>(size));
    };
    if (stbi_write_png_to_func(append, &png, raster.width, raster.height, 3, rgb.data(),
                               raster.width * 3) == 0) {
        png.clear();
    }
    return png;
}
