#include "picture_import.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "bmp_writer.h"
#include "button_strip.h"
#include "image_ops.h"
#include "jpeg_writer.h"
#include "picture_button.h"
#include "picture_info.h"
#include "picture_name.h"
#include "starter_pictures.h"
#include "stb_image.h"

namespace {

ImportedPicture Refused(std::string refusal) { return {{}, {}, std::move(refusal)}; }

std::optional<Image> Decode(std::string_view bytes) {
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> data(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                              static_cast<int>(bytes.size()), &width, &height, &channels, 4),
        stbi_image_free);
    if (!data) return std::nullopt;
    Image image(width, height, Rgba{});
    const stbi_uc* pixel = data.get();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, pixel += 4) {
            image.at(x, y) = {pixel[0], pixel[1], pixel[2], pixel[3]};
        }
    }
    return image;
}

Image OverMatte(const Image& picture, Rgba matte) {
    Image image(picture.width(), picture.height(), matte);
    composite(image, picture, 0, 0);
    return image;
}

std::vector<std::uint8_t> Strip(const Image& picture, Rgba matte) {
    const Image backdrop(picture.width(), picture.height(), matte);
    return encode_bmp(
        button_strip(backdrop, {0, 0, picture.width(), picture.height()}, picture_button(picture)));
}

}  // namespace

ImportedPicture ImportPicture(const PictureUpload& upload,
                              const std::vector<std::string>& menuFiles) {
    if (upload.bytes.size() > kMaxUploadBytes) {
        return Refused("The file is larger than " + std::to_string(kMaxUploadBytes >> 20) +
                       " MB, the most a picture may have.");
    }
    const PictureInfo info = ReadPictureInfo(upload.bytes);
    if (info.format == PictureInfo::Format::kUnreadable || info.width <= 0 || info.height <= 0) {
        return Refused("The file is not a picture that can be read: use a JPEG, PNG, GIF or BMP.");
    }
    if (info.width > kMaxPictureSide || info.height > kMaxPictureSide ||
        static_cast<long long>(info.width) * info.height > kMaxPicturePixels) {
        return Refused("The picture is " + std::to_string(info.width) + " x " +
                       std::to_string(info.height) + " pixels; pictures are taken up to " +
                       std::to_string(kMaxPictureSide) + " pixels on a side and " +
                       std::to_string(kMaxPicturePixels >> 20) + " million pixels in all.");
    }
    // The menu loads button strips as Windows bitmaps only, so a JPEG is kept for pictures.
    if (info.format == PictureInfo::Format::kJpeg && upload.use == PictureUse::kPicture) {
        return {StoredPictureName(upload.fileName, ".jpg", menuFiles),
                {upload.bytes.begin(), upload.bytes.end()},
                {}};
    }
    const std::optional<Image> picture = Decode(upload.bytes);
    if (!picture) {
        return Refused("The file could not be read as a " + std::string(FormatName(info.format)) +
                       " picture.");
    }
    if (upload.use == PictureUse::kButton) {
        return {StoredPictureName(upload.fileName, ".bmp", menuFiles),
                Strip(*picture, upload.matte),
                {}};
    }
    return {StoredPictureName(upload.fileName, ".jpg", menuFiles),
            encode_jpeg(OverMatte(*picture, upload.matte), kStarterJpegQuality),
            {}};
}
