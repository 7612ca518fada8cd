#pragma once

#include <string_view>

// What a picture file holds, read from its header.
struct PictureInfo {
    enum class Format {
        kBitmap,  // a .bmp, which the button and dialog bitmaps must be
        kJpeg,
        kGif,
        kPng,         // not read by the OLE picture service
        kUnreadable,  // no picture format known here, or a cut header
    };

    Format format = Format::kUnreadable;
    int width = 0;
    int height = 0;
};

PictureInfo ReadPictureInfo(std::string_view bytes);

// True for the formats the menu's picture loader reads (bitmap, JPEG, GIF).
bool IsOlePicture(PictureInfo::Format format);

// "BMP", "JPEG", "GIF", "PNG" or "unknown".
const char* FormatName(PictureInfo::Format format);
