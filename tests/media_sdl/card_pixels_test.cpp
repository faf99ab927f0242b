// Pixels on the graphics card: skipping what nobody sees must leave the very
// pixels drawing everything leaves; pages grow without losing what they
// hold; pictures dropped from memory once on the card come back whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "sdl_support.h"
#include "test_png.h"

namespace {

using sdltest::MakeImage;
using sdltest::Rgb;

class CardPixels : public sdltest::SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("sw_card_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        media::SetHiddenPixelSkipping(true);
        SurfaceTest::TearDown();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
};

// A small random generator, so every run draws the same scenes.
struct Dice {
    uint32_t state;
    uint32_t Roll(uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

// The surface's pixels after drawing `scene` once.
template <typename Scene>
std::vector<uint8_t> Drawn(const Scene& scene) {
    const int32_t capture = CreateBlankImage(640, 480, 1, 0);
    scene();
    PresentFrame(0);
    GrabScreenToImage(capture, 0, 0, 0);
    const media::Image* img = media::FindImage(capture);
    std::vector<uint8_t> pixels(img->rgba.begin(), img->rgba.end());
    ReleaseHandle(capture);
    return pixels;
}

// Where two pictures of the surface first differ, or "" when they do not.
std::string FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    const auto at = std::mismatch(a.begin(), a.end(), b.begin());
    if (at.first == a.end()) return "";
    const long pixel = (at.first - a.begin()) / 4;
    long count = 0;
    for (size_t i = 0; i < a.size(); i += 4) count += !std::equal(&a[i], &a[i] + 3, &b[i]);
    return std::to_string(count) + " pixels differ, the first at (" + std::to_string(pixel % 640) + ", " +
           std::to_string(pixel / 640) + ")";
}

// Scenes of sprites with see-through edges and holes, large layers that hide
// what lies below, filled rectangles and points, in every blend mode, at
// whole and fractional positions, scaled, turned and clipped, drawn from
// pictures made here and from the game's own: drawn with the hidden pixels
// skipped and drawn whole, the surface must end the same to the last byte.
TEST_F(CardPixels, SkippingHiddenPixelsLeavesTheSamePixels) {
    testpng::Canvas sheet(96, 40, 0, 0, 0);
    for (int cell = 0; cell < 3; ++cell) {
        sheet.Fill(cell * 32 + 3, 2 + cell, 20, 30, static_cast<uint8_t>(60 + 60 * cell), 90, 30);
        sheet.Fill(cell * 32 + 8, 10, 6, 6, 0, 0, 0);  // a hole
    }
    sheet.Save((dir / "sheet.png").string());
    const int32_t loaded = LoadImageStrip((dir / "sheet.png").string(), 32, 40, 0, 3, ImageMasked);
    ASSERT_NE(loaded, 0);

    std::vector<int32_t> images{loaded};
    Dice shapes{7};
    for (int i = 0; i < 6; ++i) {
        const int w = 8 + static_cast<int>(shapes.Roll(120)), h = 8 + static_cast<int>(shapes.Roll(90));
        const int border = static_cast<int>(shapes.Roll(6));
        const int hue = static_cast<int>(shapes.Roll(200));
        images.push_back(MakeImage(w, h, 2, ImageMasked, [=](int x, int y, int f) {
            const bool edge = x < border || y < border || x >= w - border || y >= h - border;
            const bool hole = (x / 5 + y / 7 + f) % 4 == 0;
            return edge || hole ? Rgb{0, 0, 0} : Rgb{hue, 40 + x % 200, 30 + y + 20 * f};
        }));
    }
    // Layers as wide as the screen: a solid one and one with see-through sky.
    images.push_back(MakeImage(640, 200, 1, ImageMasked, [](int x, int y, int) { return Rgb{20, x % 256, y}; }));
    images.push_back(MakeImage(640, 240, 1, ImageMasked, [](int x, int y, int) {
        return y < 60 + (x / 16) % 50 ? Rgb{0, 0, 0} : Rgb{90, y, x % 256};
    }));
    images.push_back(MakeImage(40, 30, 1, 0, [](int x, int y, int) { return Rgb{x * 5, y * 7, 0}; }));
    // The game's own pictures too, when the build has made them: section
    // strips in cells, the rest whole.
    const std::filesystem::path graphics = std::filesystem::path(STREETWARDEN_DATA_DIR) / "Graphics";
    if (std::filesystem::is_directory(graphics)) {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(graphics))
            if (entry.path().extension() == ".png") files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
        for (size_t i = 0; i < files.size(); ++i) {
            SetMaskColour(0, i % 2 ? 255 : 0, 0);
            const int32_t whole = LoadImageFile(files[i], ImageMasked);
            const int32_t w = ImageFrameWidth(whole), h = ImageFrameHeight(whole);
            if (h == 480 && w > 640 && w % 40 == 0) {
                ReleaseHandle(whole);
                images.push_back(LoadImageStrip(files[i], 40, 480, 0, w / 40, ImageMasked));
            } else if (whole != 0) {
                images.push_back(whole);
            }
        }
    }

    const int32_t blends[] = {BlendMask, BlendMask, BlendAlpha, BlendAlpha, BlendLight, BlendSolid, BlendShade};
    const float alphas[] = {1.0f, 1.0f, 0.5f, 128.0f / 255.0f, 0.3f, 0.0f};
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        const auto scene = [&] {
            Dice d{seed};
            SetClearColour(static_cast<int32_t>(d.Roll(60)), 10, 20);
            ClearScreen();
            for (int n = 0; n < 300; ++n) {
                const int32_t image = images[d.Roll(static_cast<uint32_t>(images.size()))];
                const bool layer = ImageFrameWidth(image) >= 640;
                SetBlendMode(layer && d.Roll(2) ? BlendMask : blends[d.Roll(7)]);
                SetDrawAlpha(layer ? 1.0f : alphas[d.Roll(6)]);
                SetDrawColour(255 - static_cast<int32_t>(d.Roll(3)) * 80, 255, 200 + static_cast<int32_t>(d.Roll(56)));
                const uint32_t shape = d.Roll(12);
                SetDrawScale(shape == 0 ? 1.4f : (shape == 1 ? 0.5f : 1.0f), shape == 0 ? 0.6f : 1.0f);
                SetDrawRotation(shape == 2 ? -30.0f : 0.0f);
                if (d.Roll(8) == 0) {
                    SetClipRect(static_cast<int32_t>(d.Roll(300)), static_cast<int32_t>(d.Roll(200)),
                                static_cast<int32_t>(d.Roll(400)), static_cast<int32_t>(d.Roll(300)));
                } else {
                    SetClipRect(0, 0, 640, 480);
                }
                float x = static_cast<float>(d.Roll(700)) - 60.0f, y = static_cast<float>(d.Roll(520)) - 40.0f;
                if (layer) x = static_cast<float>(d.Roll(3)) * 320.0f - 320.0f;
                if (d.Roll(6) == 0) x += d.Roll(2) ? 0.5f : 0.8125f;
                const int32_t frame = static_cast<int32_t>(d.Roll(static_cast<uint32_t>(ImageFrameCount(image))));
                const uint32_t what = d.Roll(40);
                if (what == 0) {
                    FillRect(x, y, static_cast<float>(d.Roll(200)), static_cast<float>(d.Roll(100)));
                } else if (what == 1) {
                    PlotPoint(x, y);
                } else if (what == 2 && !layer) {
                    SetClipRect(static_cast<int32_t>(x), static_cast<int32_t>(y), 90, 70);
                    TileImageFrame(image, x, y, frame);
                } else {
                    DrawImageFrame(image, x, y, frame);
                }
            }
        };
        media::SetHiddenPixelSkipping(true);
        const std::vector<uint8_t> skipped = Drawn(scene);
        media::SetHiddenPixelSkipping(false);
        const std::vector<uint8_t> whole = Drawn(scene);
        EXPECT_EQ(FirstDifference(skipped, whole), "") << "scene " << seed;
        media::ResetDrawState();
    }
}

// A page's texture grows as shelves are added, copying what it held on the
// card; quads collected before it grew still draw their pictures.
TEST_F(CardPixels, GrowingPagesKeepWhatTheyHold) {
    const int32_t first = MakeImage(30, 20, 1, 0, [](int, int, int) { return Rgb{10, 200, 30}; });
    DrawImageFrame(first, 0, 0, 0);
    // Heights far enough apart that each takes a shelf of its own.
    int height = 24;
    std::vector<int32_t> tall;
    for (int i = 0; i < 8; ++i, height = height * 3 / 2) {
        tall.push_back(MakeImage(20, height, 1, 0, [i](int, int, int) { return Rgb{100 + 10 * i, 5, i}; }));
        DrawImageFrame(tall.back(), 40.0f + 25 * i, 0, 0);
    }
    DrawImageFrame(first, 300, 100, 0);
    sdltest::Surface surface;
    surface.Grab();
    EXPECT_EQ(surface.At(29, 19), (Rgb{10, 200, 30})) << "drawn before the page grew";
    EXPECT_EQ(surface.At(300, 100), (Rgb{10, 200, 30})) << "drawn after";
    for (int i = 0; i < 8; ++i) EXPECT_EQ(surface.At(45 + 25 * i, 23), (Rgb{100 + 10 * i, 5, i})) << "image " << i;
}

// A picture loaded from a file is kept compact, then not at all once on the
// card; its pixels come back whole for screenshots and grabs, and its mask
// still answers the overlap test.
TEST_F(CardPixels, PicturesComeBackWholeFromTheCard) {
    testpng::Canvas c(40, 12, 0, 255, 0);
    c.Fill(3, 2, 12, 7, 250, 20, 20);
    c.Fill(24, 0, 16, 12, 20, 20, 250);
    c.Fill(27, 3, 4, 4, 0, 255, 0);
    c.Save((dir / "pair.png").string());
    SetMaskColour(0, 255, 0);
    const int32_t image = LoadImageStrip((dir / "pair.png").string(), 20, 12, 0, 2, ImageMasked);
    ASSERT_NE(image, 0);
    media::Picture picture;
    ASSERT_TRUE(media::DecodePng((dir / "pair.png").string(), picture, nullptr));
    const auto plain = media::CutCells(picture, 20, 12, 0, 2, ImageMasked, false);

    EXPECT_FALSE(media::FindImage(image)->HasPixels()) << "kept compact until drawn";
    DrawImageFrame(image, 10, 10, 1);
    PresentFrame(0);
    const media::Image* img = media::FindImage(image);
    EXPECT_FALSE(img->HasPixels() || img->HasPackedPixels()) << "dropped once on the card";
    EXPECT_EQ(ImagesOverlap(image, 0, 0, 0, image, 0, 0, 1), 1);
    EXPECT_EQ(ImagesOverlap(image, 0, 0, 0, image, 12, 0, 1), 0);

    const media::Image* back = media::ImageWithPixels(image);
    ASSERT_TRUE(back && back->HasPixels());
    EXPECT_TRUE(std::equal(plain->rgba.begin(), plain->rgba.end(), back->rgba.begin())) << "pixels from the card";
    EXPECT_TRUE(std::equal(plain->opaque.begin(), plain->opaque.end(), back->opaque.begin())) << "mask from the card";
    EXPECT_EQ(SaveImagePng(image, 1, (dir / "saved.png").string()), 1);
}

}  // namespace
