#include "picture_import.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bmp_writer.h"
#include "jpeg_writer.h"
#include "picture_name.h"
#include "stb_image.h"
#include "stb_image_write.h"

namespace {

constexpr Rgba kBlue{40, 80, 160};

std::string Png(int width, int height, Rgba colour) {
    const Image image(width, height, colour);
    std::string png;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
    };
    stbi_write_png_to_func(append, &png, width, height, 4, &image.at(0, 0), width * 4);
    return png;
}

std::string Bytes(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

const std::string kJpegFile = Bytes(encode_jpeg(Image(4, 4, kBlue), 80));

enum class Made { kKept, kStrip, kNewJpeg, kRefused };

struct ImportRow {
    const char* rule;
    std::string bytes;
    PictureUse use;
    Made made;
};

class PictureImportTest : public testing::TestWithParam<ImportRow> {};

TEST_P(PictureImportTest, MakesWhatTheMenuReads) {
    const ImportRow& row = GetParam();
    const ImportedPicture imported =
        ImportPicture({row.bytes, "Shot 1.png", row.use}, {"shot_1.jpg", "Shot_1.BMP"});
    if (row.made == Made::kRefused) {
        EXPECT_TRUE(imported.bytes.empty()) << row.rule;
        EXPECT_FALSE(imported.refusal.empty()) << row.rule;
        return;
    }
    ASSERT_EQ(imported.refusal, "") << row.rule;
    const std::string bytes = Bytes(imported.bytes);
    switch (row.made) {
        case Made::kKept:
            EXPECT_EQ(bytes, row.bytes) << row.rule;
            EXPECT_EQ(imported.name, "Shot_1_2.jpg") << row.rule;
            break;
        case Made::kStrip:
            EXPECT_EQ(bytes.substr(0, 2), "BM") << row.rule;
            EXPECT_EQ(imported.name, "Shot_1_2.bmp") << row.rule;
            break;
        default:
            EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8") << row.rule;
            EXPECT_EQ(imported.name, "Shot_1_2.jpg") << row.rule;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PictureImportTest,
    testing::Values(
        ImportRow{"keeps a JPEG for a picture", kJpegFile, PictureUse::kPicture, Made::kKept},
        ImportRow{"makes a strip of a JPEG", kJpegFile, PictureUse::kButton, Made::kStrip},
        ImportRow{"makes a strip of a PNG", Png(3, 2, kBlue), PictureUse::kButton, Made::kStrip},
        ImportRow{"makes a JPEG of a PNG", Png(3, 2, kBlue), PictureUse::kPicture, Made::kNewJpeg},
        ImportRow{"makes a JPEG of a BMP", Bytes(encode_bmp(Image(3, 2, kBlue))),
                  PictureUse::kPicture, Made::kNewJpeg},
        ImportRow{"refuses bytes that are no picture", "not a picture at all", PictureUse::kPicture,
                  Made::kRefused},
        ImportRow{"refuses a PNG cut short", Png(3, 2, kBlue).substr(0, 40), PictureUse::kButton,
                  Made::kRefused},
        ImportRow{"refuses a picture too wide", Png(kMaxPictureSide + 1, 1, kBlue),
                  PictureUse::kPicture, Made::kRefused}));

TEST(PictureImportSize, RefusesAnUploadOver50MbBeforeReadingIt) {
    const std::string upload = kJpegFile + std::string(kMaxUploadBytes, '\0');
    const ImportedPicture imported = ImportPicture({upload, "big.jpg"}, {});
    EXPECT_TRUE(imported.bytes.empty());
    EXPECT_NE(imported.refusal.find("50 MB"), std::string::npos);
}

// The RGB pixels of a strip, row by row; empty when it does not decode.
std::vector<stbi_uc> StripPixels(const ImportedPicture& imported, int& width) {
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
        stbi_load_from_memory(imported.bytes.data(), static_cast<int>(imported.bytes.size()),
                              &width, &height, &channels, 3),
        stbi_image_free);
    if (!pixels) return {};
    return {pixels.get(), pixels.get() + width * height * 3};
}

TEST(PictureImportStrip, HoldsNormalLighterAndDarkerFramesSideBySide) {
    const ImportedPicture imported =
        ImportPicture({Png(2, 1, kBlue), "b.png", PictureUse::kButton}, {});
    ASSERT_EQ(imported.bytes.at(28), 24) << "bits per pixel";
    int width = 0;
    const std::vector<stbi_uc> strip = StripPixels(imported, width);
    ASSERT_EQ(width, 6);
    const stbi_uc* normal = &strip[0];
    const stbi_uc* hover = &strip[2 * 3];
    const stbi_uc* pressed = &strip[4 * 3];
    EXPECT_EQ(normal[0], kBlue.r);
    EXPECT_EQ(normal[2], kBlue.b);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_GT(hover[channel], normal[channel]);
        EXPECT_LT(pressed[channel], normal[channel]);
    }
}

TEST(PictureImportStrip, LaysTransparentPixelsOverTheMatte) {
    const ImportedPicture imported = ImportPicture(
        {Png(1, 1, Rgba{0, 0, 0, 0}), "b.png", PictureUse::kButton, Rgba{10, 200, 30}}, {});
    int width = 0;
    const std::vector<stbi_uc> strip = StripPixels(imported, width);
    ASSERT_EQ(strip.size(), 9u);
    EXPECT_EQ(strip[1], 200);
}

struct NameRow {
    const char* upload;
    std::vector<std::string> taken;
    const char* stored;
};

class PictureNameTest : public testing::TestWithParam<NameRow> {};

TEST_P(PictureNameTest, IsSafeAndUnique) {
    const NameRow& row = GetParam();
    EXPECT_EQ(StoredPictureName(row.upload, ".jpg", row.taken), row.stored) << row.upload;
}

INSTANTIATE_TEST_SUITE_P(Rows, PictureNameTest,
                         testing::Values(NameRow{"my shot.png", {}, "my_shot.jpg"},
                                         NameRow{
                                             "C:\\Users\\me\\Pictures/sub/top.gif", {}, "top.jpg"},
                                         NameRow{"zdj\xC4\x99"
                                                 "cie (1)!.bmp",
                                                 {},
                                                 "zdj_cie__1__.jpg"},
                                         NameRow{"a.b.jpeg", {}, "a.b.jpg"},
                                         NameRow{"Top.png", {"top.jpg", "TOP_2.JPG"}, "Top_3.jpg"},
                                         NameRow{"nul.png", {}, "nul_.jpg"},
                                         NameRow{"com1.old.png", {}, "com1_.old.jpg"},
                                         NameRow{"../.png", {}, "picture.jpg"}));

}  // namespace
