// Loading pictures into cells, the mask colours, origins and the pixel-exact
// overlap test that hits and contact rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "headless.h"
#include "media_internal.h"
#include "test_png.h"

namespace {

class Images : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        dir = std::filesystem::temp_directory_path() /
              ("sw_images_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Path(const char* name) { return (dir / name).string(); }
    std::filesystem::path dir;
};

int OpaqueAt(int32_t image, int frame, int x, int y) {
    const media::Image* img = media::FindImage(image);
    return img->FrameMask(frame)[y * img->frameWidth + x];
}

TEST_F(Images, StripCutsCellsRowByRowAndRefusesTooFewCells) {
    // 3 x 2 cells of 4 x 4, each cell a different red level.
    testpng::Canvas c(12, 8, 0, 0, 0);
    for (int cell = 0; cell < 6; ++cell) c.Fill((cell % 3) * 4, (cell / 3) * 4, 4, 4, static_cast<uint8_t>(10 * (cell + 1)), 0, 0);
    c.Save(Path("strip.png"));

    int32_t strip = LoadImageStrip(Path("strip.png"), 4, 4, 0, 6, 1);
    ASSERT_NE(strip, 0);
    EXPECT_EQ(ImageFrameCount(strip), 6);
    EXPECT_EQ(ImageFrameWidth(strip), 4);
    const media::Image* img = media::FindImage(strip);
    for (int f = 0; f < 6; ++f) EXPECT_EQ(img->FrameRgba(f)[0], 10 * (f + 1)) << "cell " << f;

    int32_t fewer = LoadImageStrip(Path("strip.png"), 4, 4, 0, 5, 1);
    EXPECT_NE(fewer, 0);
    EXPECT_EQ(LoadImageStrip(Path("strip.png"), 4, 4, 0, 7, 1), 0);
    EXPECT_EQ(LoadImageStrip(Path("missing.png"), 4, 4, 0, 1, 1), 0);

    // A damaged file is refused, not half-read.
    FILE* f = std::fopen(Path("broken.png").c_str(), "wb");
    std::fwrite("\x89PNG\r\n\x1a\nrubbish", 1, 15, f);
    std::fclose(f);
    EXPECT_EQ(LoadImageFile(Path("broken.png"), 1), 0);
}

TEST_F(Images, EachMaskColourMakesExactlyItsColourTransparent) {
    testpng::Canvas c(6, 1, 0, 0, 0);
    c.Set(1, 0, 0, 255, 0);
    c.Set(2, 0, 0, 0, 255);
    c.Set(3, 0, 1, 1, 1);
    c.Set(4, 0, 20, 235, 20);
    c.Set(5, 0, 0, 254, 0);
    c.Save(Path("mask.png"));

    struct Case { int r, g, b, transparentAt; } cases[] = {{0, 0, 0, 0}, {0, 255, 0, 1}, {0, 0, 255, 2}};
    for (const auto& k : cases) {
        SetMaskColour(k.r, k.g, k.b);
        int32_t img = LoadImageFile(Path("mask.png"), 1);
        ASSERT_NE(img, 0);
        for (int x = 0; x < 6; ++x) EXPECT_EQ(OpaqueAt(img, 0, x, 0), x == k.transparentAt ? 0 : 1) << x;
    }
    // Unmasked (filtered) images keep every pixel, whatever the mask colour.
    int32_t plain = LoadImageFile(Path("mask.png"), 2);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(OpaqueAt(plain, 0, x, 0), 1);
    // -1 takes the default flags.
    SetDefaultImageFlags(1);
    int32_t byDefault = LoadImageFile(Path("mask.png"), -1);
    EXPECT_EQ(media::FindImage(byDefault)->flags, 1);
}

TEST_F(Images, OverlapUsesOpaquePixelsOriginsAndInertHandles) {
    // Two 8 x 8 cells: an L of opaque pixels in the top-left corner, the rest green.
    testpng::Canvas c(16, 8, 0, 255, 0);
    c.Fill(0, 0, 2, 8, 200, 0, 0);  // cell 0: left column bar
    c.Fill(8, 0, 8, 8, 0, 0, 200);  // cell 1: solid
    c.Save(Path("shapes.png"));
    SetMaskColour(0, 255, 0);
    int32_t img = LoadImageStrip(Path("shapes.png"), 8, 8, 0, 2, 1);
    ASSERT_NE(img, 0);

    // Boxes overlap (x 6..8) but only over cell 0's transparent part.
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 0, img, 6, 0, 1), 0);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 0, img, 1, 0, 1), 1);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 1, img, 7, 7, 1), 1);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 1, img, 8, 0, 1), 0);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 1, img, -8, 0, 1), 0);

    // The origin is placed at the position: with origin (6, 0) the solid cell
    // at x 6 starts at 0 and meets cell 0's bar.
    int32_t moved = LoadImageStrip(Path("shapes.png"), 8, 8, 0, 2, 1);
    SetImageOrigin(moved, 6, 0);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 0, moved, 6, 0, 1), 1);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 0, moved, 14, 0, 1), 0);
    CentreImageOrigin(moved);
    EXPECT_FLOAT_EQ(media::FindImage(moved)->originX, 4.0f);

    // Handle 0, a released handle and frames out of range never overlap.
    EXPECT_EQ(ImagesOverlap(0, 0, 0, 0, img, 0, 0, 1), 0);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, 2, img, 0, 0, 1), 0);
    EXPECT_EQ(ImagesOverlap(img, 0, 0, -1, img, 0, 0, 1), 0);
    ReleaseHandle(moved);
    EXPECT_EQ(ImagesOverlap(moved, 0, 0, 1, img, 0, 0, 1), 0);
    EXPECT_EQ(ImageFrameCount(moved), 0);
    // Drawing an inert handle records nothing.
    headless::ClearDrawCalls();
    DrawImageFrame(moved, 0, 0, 0);
    DrawImageFrame(img, 0, 0, 5);
    DrawImageFrame(0, 0, 0, 0);
    EXPECT_TRUE(headless::DrawCalls().empty());
}

TEST_F(Images, DrawCallsCarryTheWholeDrawingState) {
    headless::SetSynthesiseMissingImages(true);
    int32_t img = LoadImageStrip("Data/none.png", 10, 11, 0, 3, 1);
    ASSERT_NE(img, 0);
    SetBlendMode(4);
    SetDrawAlpha(1.5f);
    SetDrawColour(1, 2, 3);
    SetClipRect(0, 237, 640, 243);
    DrawImageFrame(img, 5.5f, 6, 2);
    SetDrawAlpha(-0.2f);
    FillRect(0, 0, 10, 10);
    SetDrawAlpha(std::nanf(""));
    PlotPoint(1, 1);
    const auto& calls = headless::DrawCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].path, "Data/none.png");
    EXPECT_EQ(calls[0].frame, 2);
    EXPECT_FLOAT_EQ(calls[0].x, 5.5f);
    EXPECT_EQ(calls[0].blend, 4);
    EXPECT_EQ(calls[0].alpha, 1.0f);
    EXPECT_EQ(calls[0].b, 3);
    EXPECT_EQ(calls[0].clipY, 237);
    EXPECT_EQ(calls[1].alpha, 0.0f);
    EXPECT_EQ(calls[2].alpha, 0.0f);
}

}  // namespace
