#include "app/picture.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <string>

#include "app/handles.h"
#include "temp_dir.h"

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

// A baseline JPEG of a colour gradient.
std::string JpegBytes(int width, int height) {
    std::string pixels(static_cast<std::size_t>(width) * height * 3, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char* pixel = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
            pixel[0] = static_cast<char>(x * 255 / width);
            pixel[1] = static_cast<char>(y * 255 / height);
            pixel[2] = static_cast<char>(128);
        }
    }
    std::string jpeg;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
    };
    stbi_write_jpg_to_func(append, &jpeg, width, height, 3, pixels.data(), 90);
    return jpeg;
}

bool IsLiveBitmap(HBITMAP bitmap) {
    BITMAP info{};
    return GetObjectA(bitmap, sizeof(info), &info) == static_cast<int>(sizeof(info));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        const WindowDc dc(window_);
        ASSERT_EQ(GetDeviceCaps(dc.Get(), LOGPIXELSX), 96);
        ASSERT_EQ(GetDeviceCaps(dc.Get(), LOGPIXELSY), 96);
    }
    std::string Jpeg(const char* name, int width, int height) const {
        return dir_.Write(name, JpegBytes(width, height));
    }

    HWND window_ = GetDesktopWindow();
    TempDir dir_;
};

TEST_F(PictureTest, StartsEmpty) {
    const Picture picture;
    EXPECT_EQ(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
}

TEST_F(PictureTest, LoadsAJpegAtItsPixelSize) {
    Picture picture;
    picture.Load(window_, Jpeg("menumain.jpg", 640, 480));
    ASSERT_NE(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 640);
    EXPECT_EQ(picture.Height(), 480);
    const SIZE size = BitmapSize(picture.Bitmap());
    EXPECT_EQ(size.cx, 640);
    EXPECT_EQ(size.cy, 480);
}

TEST_F(PictureTest, ReloadingReleasesTheOldBitmap) {
    Picture picture;
    picture.Load(window_, Jpeg("first.jpg", 640, 480));
    const HBITMAP first = picture.Bitmap();
    ASSERT_TRUE(IsLiveBitmap(first));
    picture.Load(window_, Jpeg("second.jpg", 320, 200));
    EXPECT_FALSE(IsLiveBitmap(first));
    EXPECT_TRUE(IsLiveBitmap(picture.Bitmap()));
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 200);
}

TEST_F(PictureTest, MissingFileLeavesNoBitmapAndTheOldSize) {
    Picture picture;
    picture.Load(window_, Jpeg("screenshot.jpg", 640, 480));
    const HBITMAP old = picture.Bitmap();
    picture.Load(window_, dir_.Path("missing.jpg"));
    EXPECT_EQ(picture.Bitmap(), nullptr);
    EXPECT_FALSE(IsLiveBitmap(old));
    EXPECT_EQ(picture.Width(), 640);
    EXPECT_EQ(picture.Height(), 480);
}

TEST_F(PictureTest, ReleaseAndDestructionFreeTheBitmapButReleaseKeepsTheSize) {
    HBITMAP destroyed = nullptr;
    {
        Picture picture;
        picture.Load(window_, Jpeg("outro.jpg", 64, 48));
        destroyed = picture.Bitmap();
        ASSERT_TRUE(IsLiveBitmap(destroyed));
    }
    EXPECT_FALSE(IsLiveBitmap(destroyed));

    Picture picture;
    picture.Load(window_, Jpeg("banner.jpg", 64, 48));
    const HBITMAP released = picture.Bitmap();
    picture.Release();
    EXPECT_EQ(picture.Bitmap(), nullptr);
    EXPECT_FALSE(IsLiveBitmap(released));
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 48);
}

// The OLE service reads a metafile, but its handle is no bitmap for users to select.
TEST_F(PictureTest, PicturesThatAreNoBitmapLoadAsNothing) {
    const std::string metafile = dir_.Path("drawing.emf");
    const HDC recorder = CreateEnhMetaFileA(nullptr, metafile.c_str(), nullptr, nullptr);
    ASSERT_NE(recorder, nullptr);
    Rectangle(recorder, 0, 0, 50, 40);
    DeleteEnhMetaFile(CloseEnhMetaFile(recorder));

    std::wstring widePath(metafile.begin(), metafile.end());
    IPicture* direct = nullptr;
    ASSERT_EQ(OleLoadPicturePath(widePath.data(), nullptr, 0, 0, IID_IPicture,
                                 reinterpret_cast<void**>(&direct)),
              S_OK);
    SHORT type = PICTYPE_UNINITIALIZED;
    direct->get_Type(&type);
    direct->Release();
    ASSERT_EQ(type, PICTYPE_ENHMETAFILE);

    for (const std::string& path :
         {metafile, dir_.Write("notes.jpg", "not a picture"), dir_.Write("empty.jpg", "")}) {
        SCOPED_TRACE(path);
        Picture picture;
        picture.Load(window_, path);
        EXPECT_EQ(picture.Bitmap(), nullptr);
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Height(), 0);
    }
}

// One wide character per byte would turn "ę" (0xEA in Windows-1250) into "ê" and miss the file.
TEST_F(PictureTest, PathBytesAreWidenedThroughTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 1250u);
    const std::string plain = Jpeg("plain.jpg", 32, 24);
    const std::string polish = dir_.Path("") + "zdjęcie.jpg";
    ASSERT_TRUE(MoveFileA(plain.c_str(), polish.c_str()));
    Picture picture;
    picture.Load(window_, polish);
    EXPECT_NE(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 32);
}

}  // namespace
