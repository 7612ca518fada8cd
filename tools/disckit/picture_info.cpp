#include "picture_info.h"

#include <cstdint>
#include <cstdlib>

#include "stb_image.h"

namespace {

uint32_t Little(std::string_view bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

// BITMAPFILEHEADER, then a BITMAPCOREHEADER (12 bytes, 16-bit sizes) or a
// BITMAPINFOHEADER or later (32-bit sizes, a negative height for top-down rows).
PictureInfo ReadBitmapHeader(std::string_view bytes) {
    PictureInfo info;
    if (bytes.size() < 26) return info;
    const uint32_t headerSize = Little(bytes, 14, 4);
    if (headerSize == 12) {
        info.width = static_cast<int>(Little(bytes, 18, 2));
        info.height = static_cast<int>(Little(bytes, 20, 2));
    } else if (headerSize >= 40) {
        info.width = static_cast<int32_t>(Little(bytes, 18, 4));
        info.height = std::abs(static_cast<int32_t>(Little(bytes, 22, 4)));
    } else {
        return info;
    }
    info.format = PictureInfo::Format::kBitmap;
    return info;
}

}  // namespace

PictureInfo ReadPictureInfo(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return ReadBitmapHeader(bytes);
    PictureInfo info;
    int components = 0;
    if (!stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                               static_cast<int>(bytes.size()), &info.width, &info.height,
                               &components)) {
        return {};
    }
    if (bytes.substr(0, 2) == "\xFF\xD8") {
        info.format = PictureInfo::Format::kJpeg;
    } else if (bytes.substr(0, 4) == "GIF8") {
        info.format = PictureInfo::Format::kGif;
    } else if (bytes.substr(0, 4) == "\x89PNG") {
        info.format = PictureInfo::Format::kPng;
    } else {
        return {};
    }
    return info;
}

bool IsOlePicture(PictureInfo::Format format) {
    return format == PictureInfo::Format::kBitmap || format == PictureInfo::Format::kJpeg ||
           format == PictureInfo::Format::kGif;
}

const char* FormatName(PictureInfo::Format format) {
    switch (format) {
        case PictureInfo::Format::kBitmap:
            return "BMP";
        case PictureInfo::Format::kJpeg:
            return "JPEG";
        case PictureInfo::Format::kGif:
            return "GIF";
        case PictureInfo::Format::kPng:
            return "PNG";
        case PictureInfo::Format::kUnreadable:
            break;
    }
    return "unknown";
}
