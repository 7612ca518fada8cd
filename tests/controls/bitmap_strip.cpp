#include "bitmap_strip.h"

#include <cstdint>

namespace {

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string BitmapStrip(int frameWidth, int height, std::initializer_list<COLORREF> frames) {
    const int width = frameWidth * static_cast<int>(frames.size());
    const int rowSize = (width * 3 + 3) / 4 * 4;
    const std::uint32_t headers = 14 + 40;
    std::string bytes = "BM";
    PutLittleEndian(bytes, headers + rowSize * height, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, headers, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, width, 4);
    PutLittleEndian(bytes, height, 4);
    PutLittleEndian(bytes, 1, 2);   // planes
    PutLittleEndian(bytes, 24, 2);  // bits per pixel
    PutLittleEndian(bytes, 0, 4);   // no compression
    PutLittleEndian(bytes, rowSize * height, 4);
    for (int i = 0; i < 4; ++i) PutLittleEndian(bytes, 0, 4);

    for (int row = 0; row < height; ++row) {
        std::string line;
        for (const COLORREF colour : frames) {
            for (int x = 0; x < frameWidth; ++x) {
                line.push_back(static_cast<char>(GetBValue(colour)));
                line.push_back(static_cast<char>(GetGValue(colour)));
                line.push_back(static_cast<char>(GetRValue(colour)));
            }
        }
        line.resize(rowSize, '\0');
        bytes += line;
    }
    return bytes;
}
