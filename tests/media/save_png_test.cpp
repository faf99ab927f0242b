// Saving a frame as a PNG (the developer tools' screenshots): what is read
// back is what was in the frame, and a failed save leaves no file.
#include <gtest/gtest.h>

#include <filesystem>

#include "headless.h"
#include "media_internal.h"

namespace {

namespace fs = std::filesystem;

fs::path TempDir() {
    const fs::path dir = fs::temp_directory_path() /
                         ("sw_savepng_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    return dir;
}

// Frame `frame` of a 3 x 2 image gets a colour per pixel that differs by
// frame; pixel (1, 0) takes the mask colour (black).
void Paint(int32_t image, int32_t frame) {
    media::Image* img = media::FindImage(image);
    uint8_t* px = img->FrameRgba(frame);
    for (int i = 0; i < 6; ++i) {
        px[4 * i] = static_cast<uint8_t>(40 * i + 10 * frame);
        px[4 * i + 1] = static_cast<uint8_t>(200 - 30 * i);
        px[4 * i + 2] = static_cast<uint8_t>(7 * frame + 1);
    }
    px[4] = px[5] = px[6] = 0;
    media::ApplyMaskRule(*img, frame);
}

TEST(SaveImagePng, TheChosenFrameReadsBackWithItsSeeThroughPixels) {
    headless::Reset();
    const fs::path dir = TempDir();
    SetMaskColour(0, 0, 0);
    const int32_t image = CreateBlankImage(3, 2, 2, ImageMasked);
    Paint(image, 0);
    Paint(image, 1);
    const std::string path = (dir / "frame1.png").string();
    ASSERT_EQ(SaveImagePng(image, 1, path), 1);

    // Loading it masked again gives frame 1's pixels and the same hole.
    const int32_t back = LoadImageFile(path, ImageMasked);
    ASSERT_NE(back, 0);
    EXPECT_EQ(ImageFrameWidth(back), 3);
    EXPECT_EQ(ImageFrameHeight(back), 2);
    const media::Image* saved = media::FindImage(image);
    const media::Image* loaded = media::FindImage(back);
    for (int i = 0; i < 6; ++i) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(loaded->FrameRgba(0)[4 * i + c], saved->FrameRgba(1)[4 * i + c]) << "pixel " << i << " byte " << c;
        }
        EXPECT_EQ(loaded->FrameMask(0)[i], i == 1 ? 0 : 1) << "pixel " << i;
    }
    fs::remove_all(dir);
}

TEST(SaveImagePng, NothingIsWrittenForABadImageFrameOrPath) {
    headless::Reset();
    const fs::path dir = TempDir();
    const int32_t image = CreateBlankImage(4, 4, 1, 0);
    const std::string path = (dir / "out.png").string();
    EXPECT_EQ(SaveImagePng(0, 0, path), 0);
    EXPECT_EQ(SaveImagePng(image, 1, path), 0);
    EXPECT_EQ(SaveImagePng(image, -1, path), 0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(SaveImagePng(image, 0, (dir / "no_such_folder" / "out.png").string()), 0);
    // A released image is inert.
    ReleaseHandle(image);
    EXPECT_EQ(SaveImagePng(image, 0, path), 0);
    EXPECT_FALSE(fs::exists(path));
    fs::remove_all(dir);
}

}  // namespace
