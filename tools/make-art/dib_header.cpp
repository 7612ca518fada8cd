#include "dib_header.h"

#include "little_endian.h"

void append_info_header(std::vector<std::uint8_t>& out, int width, int height, int bits_per_pixel,
                        std::uint32_t image_size, int pixels_per_metre) {
    append_u32(out, 40);
    append_u32(out, static_cast<std::uint32_t>(width));
    append_u32(out, static_cast<std::uint32_t>(height));
    append_u16(out, 1);
    append_u16(out, static_cast<std::uint16_t>(bits_per_pixel));
    append_u32(out, 0);  // BI_RGB
    append_u32(out, image_size);
    append_u32(out, static_cast<std::uint32_t>(pixels_per_metre));
    append_u32(out, static_cast<std::uint32_t>(pixels_per_metre));
    append_u32(out, 0);
    append_u32(out, 0);
}
