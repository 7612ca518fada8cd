#include "disc_pictures.h"

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

std::string JpegStrip(int frameWidth, int height, std::initializer_list<COLORREF> frames) {
    const int width = frameWidth * static_cast<int>(frames.size());
    std::string pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (const COLORREF colour : frames) {
            for (int x = 0; x < frameWidth; ++x) {
                pixels.push_back(static_cast<char>(GetRValue(colour)));
                pixels.push_back(static_cast<char>(GetGValue(colour)));
                pixels.push_back(static_cast<char>(GetBValue(colour)));
            }
        }
    }
    std::string jpeg;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
    };
    // Full quality keeps the colours whole: no chroma subsampling blurs the frame edges.
    stbi_write_jpg_to_func(append, &jpeg, width, height, 3, pixels.data(), 100);
    return jpeg;
}
