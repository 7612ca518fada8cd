#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"

// What an uploaded picture becomes on the disc.
enum class PictureUse {
    kButton,   // a button's image: a bitmap strip of its normal, hover and pressed frames
    kPicture,  // a screenshot, banner or background: a JPEG
};

struct PictureUpload {
    std::string_view bytes;
    std::string_view fileName;  // as the author's browser gave it, UTF-8
    PictureUse use = PictureUse::kPicture;
    // What transparent pixels are laid over: white by default, as a browser shows a picture
    // on an empty page; the designer may give the colour under the button instead.
    Rgba matte{255, 255, 255};
};

struct ImportedPicture {
    std::string name;  // in the Menu folder
    std::vector<std::uint8_t> bytes;
    std::string refusal;  // why nothing was made, for the author; empty when imported
};

inline constexpr size_t kMaxUploadBytes = 50u << 20;
inline constexpr int kMaxPictureSide = 8192;
inline constexpr long long kMaxPicturePixels = 16ll << 20;

// The file to write in the Menu folder for an uploaded picture, under a name that none of
// `menuFiles` has. A JPEG picture is kept as it is; anything else becomes what the use asks.
// Uploads too large, pictures too large and bytes that are no picture are refused before
// they are decoded.
ImportedPicture ImportPicture(const PictureUpload& upload,
                              const std::vector<std::string>& menuFiles);
