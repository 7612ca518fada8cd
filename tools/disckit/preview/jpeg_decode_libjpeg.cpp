#include "jpeg_decode.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// One colour plane's DCT coefficients, dequantized, block by block in natural order.
struct Plane {
    int blocksWide = 0;
    int blocksHigh = 0;
    int scaleX = 1;  // how many times the picture is wider than the plane's samples
    int scaleY = 1;
    std::vector<int> coefficients;
};

struct Coefficients {
    int width = 0;
    int height = 0;
    std::vector<Plane> planes;
};

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void Escape(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void Silent(j_common_ptr) {}

// 4096 x 4096: more than any menu shows. Larger pictures are left to stb_image.
constexpr long long kMostPixels = 1LL << 24;

// libjpeg reports errors by a long jump back here: no object with a destructor may live in
// this frame, so everything read goes to the caller's.
bool ReadCoefficients(std::string_view bytes, Coefficients& read) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = Escape;
    errors.base.output_message = Silent;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const bool colour = info.num_components == 3 && info.jpeg_color_space == JCS_YCbCr;
    const bool grey = info.num_components == 1 && info.jpeg_color_space == JCS_GRAYSCALE;
    if ((!colour && !grey) || info.max_h_samp_factor > 2 || info.max_v_samp_factor > 2 ||
        static_cast<long long>(info.image_width) * info.image_height > kMostPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(&info);
    read.width = static_cast<int>(info.image_width);
    read.height = static_cast<int>(info.image_height);
    read.planes.resize(static_cast<size_t>(info.num_components));
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        if (!component.quant_table) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        Plane& plane = read.planes[static_cast<size_t>(c)];
        plane.blocksWide = static_cast<int>(component.width_in_blocks);
        plane.blocksHigh = static_cast<int>(component.height_in_blocks);
        plane.scaleX = info.max_h_samp_factor / component.h_samp_factor;
        plane.scaleY = info.max_v_samp_factor / component.v_samp_factor;
        plane.coefficients.resize(static_cast<size_t>(plane.blocksWide) * plane.blocksHigh * 64);
        int* out = plane.coefficients.data();
        for (int row = 0; row < plane.blocksHigh; ++row) {
            JBLOCKARRAY blocks =
                info.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&info), arrays[c],
                                             static_cast<JDIMENSION>(row), 1, FALSE);
            for (int column = 0; column < plane.blocksWide; ++column) {
                for (int k = 0; k < 64; ++k) {
                    *out++ = blocks[0][column][k] * component.quant_table->quantval[k];
                }
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The inverse DCT of each block, sampled scale times as densely as the block's 8 x 8 in
// either direction: the plane at the picture's size.
std::vector<unsigned char> Samples(const Plane& plane, int width, int height) {
    const int outX = 8 * plane.scaleX;
    const int outY = 8 * plane.scaleY;
    // basis[n][u]: C(u) cos((2n + 1) u pi / 2N) / 2 for output sample n of N.
    const auto basis = [](int size) {
        std::vector<std::array<double, 8>> table(static_cast<size_t>(size));
        for (int n = 0; n < size; ++n) {
            for (int u = 0; u < 8; ++u) {
                table[n][u] = (u == 0 ? std::sqrt(0.5) : 1.0) *
                              std::cos((2 * n + 1) * u * M_PI / (2.0 * size)) / 2;
            }
        }
        return table;
    };
    const auto across = basis(outX);
    const auto down = basis(outY);
    std::vector<unsigned char> samples(static_cast<size_t>(width) * height);
    std::vector<double> rows(static_cast<size_t>(8) * outX);
    for (int by = 0; by < plane.blocksHigh; ++by) {
        for (int bx = 0; bx < plane.blocksWide; ++bx) {
            const int* block =
                plane.coefficients.data() + (static_cast<size_t>(by) * plane.blocksWide + bx) * 64;
            // Most coefficients are zero: the sums stop at the last row and column that is not.
            int rowsUsed = 0;
            int columnsUsed = 0;
            for (int k = 0; k < 64; ++k) {
                if (block[k] != 0) {
                    rowsUsed = std::max(rowsUsed, k / 8 + 1);
                    columnsUsed = std::max(columnsUsed, k % 8 + 1);
                }
            }
            for (int v = 0; v < rowsUsed; ++v) {
                for (int x = 0; x < outX; ++x) {
                    double sum = 0;
                    for (int u = 0; u < columnsUsed; ++u) sum += across[x][u] * block[v * 8 + u];
                    rows[static_cast<size_t>(v) * outX + x] = sum;
                }
            }
            for (int y = 0; y < outY; ++y) {
                const int py = by * outY + y;
                if (py >= height) break;
                for (int x = 0; x < outX; ++x) {
                    const int px = bx * outX + x;
                    if (px >= width) break;
                    double sum = 128.5;
                    for (int v = 0; v < rowsUsed; ++v) {
                        sum += down[y][v] * rows[static_cast<size_t>(v) * outX + x];
                    }
                    samples[static_cast<size_t>(py) * width + px] =
                        static_cast<unsigned char>(sum <= 0     ? 0
                                                   : sum >= 255 ? 255
                                                                : sum);
                }
            }
        }
    }
    return samples;
}

int Clamp(int value) { return std::clamp(value, 0, 255); }

// JFIF's YCbCr to RGB in 16-bit fixed point, each term rounded as libjpeg rounds it.
std::uint32_t Rgb(int y, int cb, int cr) {
    constexpr int kHalf = 1 << 15;
    const auto fixed = [](double value) { return static_cast<int>(value * 65536 + 0.5); };
    cb -= 128;
    cr -= 128;
    const int red = Clamp(y + ((fixed(1.40200) * cr + kHalf) >> 16));
    const int green = Clamp(y + ((-fixed(0.34414) * cb - fixed(0.71414) * cr + kHalf) >> 16));
    const int blue = Clamp(y + ((fixed(1.77200) * cb + kHalf) >> 16));
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}

}  // namespace

std::optional<Raster> DecodeJpegAsWine(std::string_view bytes) {
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8) {
        return std::nullopt;
    }
    Coefficients read;
    if (!ReadCoefficients(bytes, read)) return std::nullopt;
    std::vector<std::vector<unsigned char>> planes;
    for (const Plane& plane : read.planes)
        planes.push_back(Samples(plane, read.width, read.height));
    Raster raster(read.width, read.height, 0);
    for (size_t i = 0; i < raster.pixels.size(); ++i) {
        const int y = planes[0][i];
        raster.pixels[i] = planes.size() == 3 ? Rgb(y, planes[1][i], planes[2][i])
                                              : static_cast<std::uint32_t>(y * 0x010101);
    }
    return raster;
}
