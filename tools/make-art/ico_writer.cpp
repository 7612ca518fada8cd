#include "ico_writer.h"

#include <stdexcept>

#include "dib_header.h"
#include "little_endian.h"

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;

int mask_row_size(int width) { return (width + 31) / 32 * 4; }

std::vector<std::uint8_t> encode_entry_image(const Image& image) {
    const int w = image.width();
    const int h = image.height();
    const auto colour_bytes = static_cast<std::uint32_t>(w * 4 * h);
    const auto mask_bytes = static_cast<std::uint32_t>(mask_row_size(w) * h);

    std::vector<std::uint8_t> out;
    // The height covers the colour rows and the mask rows together.
    append_info_header(out, w, 2 * h, 32, colour_bytes + mask_bytes, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgba& pixel = image.at(x, y);
            append_u8(out, pixel.b);
            append_u8(out, pixel.g);
            append_u8(out, pixel.r);
            append_u8(out, pixel.a);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(mask_row_size(w)), 0);
        for (int x = 0; x < w; ++x) {
            if (image.at(x, y).a < 128) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images) {
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const Image& image : images) {
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256) {
            throw std::invalid_argument("icon images must be square, 1 to 256 pixels");
        }
        encoded.push_back(encode_entry_image(image));
    }

    std::vector<std::uint8_t> out;
    append_u16(out, 0);
    append_u16(out, 1);  // icon, not cursor
    append_u16(out, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is stored as 0.
        const auto size = static_cast<std::uint8_t>(images[i].width() % 256);
        append_u8(out, size);
        append_u8(out, size);
        append_u8(out, 0);  // no palette
        append_u8(out, 0);
        append_u16(out, 1);
        append_u16(out, 32);
        append_u32(out, static_cast<std::uint32_t>(encoded[i].size()));
        append_u32(out, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const auto& image : encoded) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}
