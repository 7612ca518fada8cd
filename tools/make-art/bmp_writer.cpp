#include "bmp_writer.h"

#include "dib_header.h"
#include "little_endian.h"

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;
// 72 dpi.
constexpr int kPixelsPerMetre = 2835;

}  // namespace

std::vector<std::uint8_t> encode_bmp(const Image& image) {
    const int row_size = (image.width() * 3 + 3) / 4 * 4;
    const auto pixel_bytes = static_cast<std::uint32_t>(row_size * image.height());

    std::vector<std::uint8_t> out;
    out.reserve(kHeadersSize + pixel_bytes);
    append_u8(out, 'B');
    append_u8(out, 'M');
    append_u32(out, kHeadersSize + pixel_bytes);
    append_u32(out, 0);
    append_u32(out, kHeadersSize);
    append_info_header(out, image.width(), image.height(), 24, pixel_bytes, kPixelsPerMetre);

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba& pixel = image.at(x, y);
            append_u8(out, pixel.b);
            append_u8(out, pixel.g);
            append_u8(out, pixel.r);
        }
        for (int pad = image.width() * 3; pad < row_size; ++pad) {
            append_u8(out, 0);
        }
    }
    return out;
}
