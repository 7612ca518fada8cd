#include "jpeg_writer.h"

// Static, so programs that hold an stb_image_write of their own link too.
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <stdexcept>

std::vector<std::uint8_t> encode_jpeg(const Image& image, int quality) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(image.width()) * image.height() * 3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba& pixel = image.at(x, y);
            rgb.insert(rgb.end(), {pixel.r, pixel.g, pixel.b});
        }
    }
    std::vector<std::uint8_t> out;
    auto append = [](void* context, void* data, int size) {
        auto& bytes = *static_cast<std::vector<std::uint8_t>*>(context);
        const auto* first = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), first, first + size);
    };
    if (stbi_write_jpg_to_func(append, &out, image.width(), image.height(), 3, rgb.data(),
                               quality) == 0) {
        throw std::runtime_error("the JPEG encoder failed");
    }
    return out;
}
