#include "picture_decode.h"

#include <limits>
#include <memory>

#include "jpeg_decode.h"
#include "stb_image.h"

std::optional<Raster> DecodePicture(std::string_view bytes) {
    if (bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return std::nullopt;
    if (std::optional<Raster> jpeg = DecodeJpegAsWine(bytes)) return jpeg;
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> data(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                              static_cast<int>(bytes.size()), &width, &height, &channels, 3),
        stbi_image_free);
    if (!data) return std::nullopt;
    Raster raster(width, height, 0);
    const stbi_uc* pixel = data.get();
    for (std::uint32_t& target : raster.pixels) {
        target = pixel[0] | (pixel[1] << 8) | (static_cast<std::uint32_t>(pixel[2]) << 16);
        pixel += 3;
    }
    return raster;
}
