// The real backend's drawing, checked pixel by pixel in the off-screen
// surface: blend modes, the mask mode's alpha test, colour and alpha, clip,
// tiling, scale and rotation, loaded strips, and grabs after a present.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "sdl_support.h"
#include "test_png.h"

namespace {

using sdltest::MakeImage;
using sdltest::Rgb;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{100, 100, 100};
constexpr Rgb kSprite{200, 40, 80};

class Drawing : public sdltest::SurfaceTest {
protected:
    // Fills the surface grey in solid mode and restores the state.
    static void GreyBackground() {
        SetBlendMode(BlendSolid);
        SetDrawColour(kGrey.r, kGrey.g, kGrey.b);
        FillRect(0, 0, 640, 480);
        SetDrawColour(255, 255, 255);
    }
    // Two pixels: the sprite colour, then black (transparent when masked).
    static int32_t SpriteAndHole() {
        return MakeImage(2, 1, 1, ImageMasked, [](int x, int, int) { return x == 0 ? kSprite : kBlack; });
    }
    sdltest::Surface surface;
};

void ExpectNear(const Rgb& got, double r, double g, double b, const char* what) {
    // Blending rounds to the nearest byte or truncates, depending on the driver.
    EXPECT_NEAR(got.r, r, 1.0) << what;
    EXPECT_NEAR(got.g, g, 1.0) << what;
    EXPECT_NEAR(got.b, b, 1.0) << what;
}

TEST_F(Drawing, EachBlendModeComputesItsPixels) {
    GreyBackground();
    const int32_t sprite = SpriteAndHole();
    const int32_t white = MakeImage(1, 1, 1, ImageMasked, [](int, int, int) { return Rgb{255, 255, 255}; });
    const double a = 127.0 / 255.0;  // alpha 0.5 is the byte 127

    SetBlendMode(BlendMask);
    DrawImageFrame(sprite, 10, 10, 0);
    SetBlendMode(BlendSolid);
    DrawImageFrame(sprite, 20, 10, 0);
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(0.5f);
    DrawImageFrame(sprite, 30, 10, 0);
    SetBlendMode(BlendLight);
    DrawImageFrame(sprite, 40, 10, 0);
    SetDrawAlpha(1.0f);
    DrawImageFrame(white, 60, 10, 0);
    SetBlendMode(BlendShade);
    DrawImageFrame(sprite, 50, 10, 0);
    SetBlendMode(9);  // any other number draws solid
    DrawImageFrame(sprite, 70, 10, 0);
    SetBlendMode(BlendMask);
    SetDrawColour(128, 255, 0);
    DrawImageFrame(sprite, 80, 10, 0);
    surface.Grab();

    EXPECT_EQ(surface.At(10, 10), kSprite) << "mask draws opaque pixels as they are";
    EXPECT_EQ(surface.At(11, 10), kGrey) << "mask leaves transparent pixels out";
    EXPECT_EQ(surface.At(20, 10), kSprite) << "solid";
    EXPECT_EQ(surface.At(21, 10), kBlack) << "solid draws the transparent pixel's colour too";
    ExpectNear(surface.At(30, 10), 200 * a + 100 * (1 - a), 40 * a + 100 * (1 - a), 80 * a + 100 * (1 - a), "alpha");
    EXPECT_EQ(surface.At(31, 10), kGrey) << "alpha: transparent pixels add nothing";
    ExpectNear(surface.At(40, 10), 100 + 200 * a, 100 + 40 * a, 100 + 80 * a, "light");
    EXPECT_EQ(surface.At(41, 10), kGrey) << "light: transparent pixels add nothing";
    EXPECT_EQ(surface.At(60, 10), (Rgb{255, 255, 255})) << "light saturates";
    ExpectNear(surface.At(50, 10), 200 * 100 / 255.0, 40 * 100 / 255.0, 80 * 100 / 255.0, "shade");
    EXPECT_EQ(surface.At(51, 10), kBlack) << "shade multiplies by the pixel's colour, black here";
    EXPECT_EQ(surface.At(70, 10), kSprite) << "unknown mode draws solid";
    EXPECT_EQ(surface.At(71, 10), kBlack);
    ExpectNear(surface.At(80, 10), 200 * 128 / 255.0, 40, 0, "colour multiplies");
    EXPECT_EQ(surface.At(81, 10), kGrey);
}

TEST_F(Drawing, MaskModeDrawsAtFullStrengthOnlyFromHalfAlphaUp) {
    GreyBackground();
    const int32_t sprite = SpriteAndHole();
    SetBlendMode(BlendMask);
    SetDrawAlpha(0.49f);
    DrawImageFrame(sprite, 10, 10, 0);
    SetDrawAlpha(0.5f);  // the byte 127 lies just below one half
    DrawImageFrame(sprite, 20, 10, 0);
    SetDrawAlpha(0.51f);
    DrawImageFrame(sprite, 30, 10, 0);
    SetDrawAlpha(0.51f);
    FillRect(40, 10, 1, 1);
    SetDrawAlpha(0.3f);
    FillRect(41, 10, 1, 1);
    // Out-of-range alphas clamp.
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(1.5f);
    DrawImageFrame(sprite, 50, 10, 0);
    SetDrawAlpha(-0.2f);
    DrawImageFrame(sprite, 60, 10, 0);
    surface.Grab();

    EXPECT_EQ(surface.At(10, 10), kGrey);
    EXPECT_EQ(surface.At(20, 10), kGrey);
    EXPECT_EQ(surface.At(30, 10), kSprite) << "no blending in mask mode";
    EXPECT_EQ(surface.At(31, 10), kGrey);
    EXPECT_EQ(surface.At(40, 10), (Rgb{255, 255, 255}));
    EXPECT_EQ(surface.At(41, 10), kGrey);
    EXPECT_EQ(surface.At(50, 10), kSprite) << "alpha 1.5 draws as 1";
    EXPECT_EQ(surface.At(60, 10), kGrey) << "alpha -0.2 draws as 0";
}

TEST_F(Drawing, ClipRectangleBoundsEveryOperation) {
    const int32_t sprite = MakeImage(8, 8, 1, 0, [](int, int, int) { return kSprite; });
    SetClipRect(100, 100, 20, 10);
    SetBlendMode(BlendSolid);
    FillRect(0, 0, 640, 480);
    SetClipRect(200, 200, 4, 4);
    DrawImageFrame(sprite, 198, 198, 0);
    PlotPoint(210, 210);  // outside the clip
    PlotPoint(201.7f, 202.2f);
    surface.Grab();

    const Rgb white{255, 255, 255};
    EXPECT_EQ(surface.At(100, 100), white);
    EXPECT_EQ(surface.At(119, 109), white);
    EXPECT_EQ(surface.At(99, 100), kBlack);
    EXPECT_EQ(surface.At(120, 100), kBlack);
    EXPECT_EQ(surface.At(100, 99), kBlack);
    EXPECT_EQ(surface.At(100, 110), kBlack);
    EXPECT_EQ(surface.At(200, 200), kSprite);
    EXPECT_EQ(surface.At(203, 203), kSprite);
    EXPECT_EQ(surface.At(199, 200), kBlack);
    EXPECT_EQ(surface.At(204, 203), kBlack);
    EXPECT_EQ(surface.At(210, 210), kBlack);
    EXPECT_EQ(surface.At(201, 202), white) << "a point lands in the pixel it falls in";
}

TEST_F(Drawing, TileCoversTheClipRectangleFromTheGivenCorner) {
    const Rgb red{255, 0, 0}, green{0, 255, 0};
    const int32_t tile = MakeImage(3, 2, 1, 0, [&](int x, int y, int) { return x == 0 && y == 0 ? red : green; });
    SetImageOrigin(tile, 1, 1);  // tiling goes by the corner, not the origin
    SetClipRect(20, 30, 50, 40);
    TileImageFrame(tile, 21, 31, 0);
    SetClipRect(300, 300, 10, 10);
    TileImageFrame(tile, -1000, 5000, 0);
    SetClipRect(400, 400, 6, 4);
    TileImageFrame(tile, 3.0e12f, -1.0e30f, 0);  // far off: still a few copies
    surface.Grab();

    for (int y = 25; y < 75; ++y) {
        for (int x = 15; x < 75; ++x) {
            const bool inside = x >= 20 && x < 70 && y >= 30 && y < 70;
            const bool corner = ((x - 21) % 3 + 3) % 3 == 0 && ((y - 31) % 2 + 2) % 2 == 0;
            const Rgb want = !inside ? kBlack : (corner ? red : green);
            ASSERT_EQ(surface.At(x, y), want) << "at " << x << ", " << y;
        }
    }
    // A copy's corner lies on (-1000, 5000): -1000 + 3k = 302, 5000 - 2k = 300.
    EXPECT_EQ(surface.At(302, 300), red);
    EXPECT_EQ(surface.At(301, 300), green);
    EXPECT_EQ(surface.At(299, 300), kBlack);
    for (int y = 400; y < 404; ++y) {
        for (int x = 400; x < 406; ++x) EXPECT_NE(surface.At(x, y), kBlack) << "at " << x << ", " << y;
    }
}

TEST_F(Drawing, ScaleAndRotationTurnAboutTheOrigin) {
    const Rgb red{255, 0, 0}, green{0, 255, 0};
    const int32_t block = MakeImage(2, 2, 1, 0, [](int, int, int) { return kSprite; });
    CentreImageOrigin(block);
    SetDrawScale(3, 2);
    DrawImageFrame(block, 50, 50, 0);  // covers x 47..52, y 48..51

    const int32_t bar = MakeImage(4, 1, 1, 0, [&](int x, int, int) { return x == 0 ? red : green; });
    SetDrawScale(1, 1);
    SetDrawRotation(90);  // clockwise: the bar now hangs down, left of x 100
    DrawImageFrame(bar, 100, 100, 0);

    SetDrawRotation(0);
    SetDrawScale(-1, 1);  // mirrored about the origin
    DrawImageFrame(bar, 150, 100, 0);
    surface.Grab();

    EXPECT_EQ(surface.At(47, 48), kSprite);
    EXPECT_EQ(surface.At(52, 51), kSprite);
    EXPECT_EQ(surface.At(46, 48), kBlack);
    EXPECT_EQ(surface.At(53, 51), kBlack);
    EXPECT_EQ(surface.At(47, 47), kBlack);
    EXPECT_EQ(surface.At(47, 52), kBlack);

    EXPECT_EQ(surface.At(99, 100), red);
    EXPECT_EQ(surface.At(99, 101), green);
    EXPECT_EQ(surface.At(99, 103), green);
    EXPECT_EQ(surface.At(99, 104), kBlack);
    EXPECT_EQ(surface.At(100, 101), kBlack);

    EXPECT_EQ(surface.At(149, 100), red);
    EXPECT_EQ(surface.At(146, 100), green);
    EXPECT_EQ(surface.At(150, 100), kBlack);
    EXPECT_EQ(surface.At(145, 100), kBlack);
}

TEST_F(Drawing, FramesOfLoadedStripsLandWhereDrawn) {
    const auto dir = std::filesystem::temp_directory_path() / ("sw_sdl_strips_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    // Three 4 x 4 cells with a green (masked) corner each.
    testpng::Canvas small(12, 4, 0, 0, 0);
    for (int cell = 0; cell < 3; ++cell) {
        small.Fill(cell * 4, 0, 4, 4, static_cast<uint8_t>(50 * (cell + 1)), 0, 200);
        small.Set(cell * 4, 0, 0, 255, 0);
    }
    small.Save((dir / "small.png").string());
    // A stage-sized strip: 135 cells of 40 x 480, each its own colour.
    testpng::Canvas big(5400, 480, 0, 0, 0);
    for (int cell = 0; cell < 135; ++cell) big.Fill(cell * 40, 0, 40, 480, static_cast<uint8_t>(cell), 7, 9);
    big.Save((dir / "big.png").string());

    SetMaskColour(0, 255, 0);
    const int32_t strip = LoadImageStrip((dir / "small.png").string(), 4, 4, 0, 3, 1);
    const int32_t stage = LoadImageStrip((dir / "big.png").string(), 40, 480, 0, 135, 1);
    std::filesystem::remove_all(dir);
    ASSERT_NE(strip, 0);
    ASSERT_NE(stage, 0);

    DrawImageFrame(stage, 300, 0, 134);
    DrawImageFrame(stage, 340, 0, 70);
    DrawImageFrame(stage, 380, 0, 0);
    for (int f = 0; f < 3; ++f) DrawImageFrame(strip, 10.0f + 10 * f, 10, f);
    DrawImageFrame(strip, 50, 10, 3);  // no such frame
    DrawImageFrame(0, 60, 10, 0);
    const int32_t gone = MakeImage(4, 4, 1, 0, [](int, int, int) { return Rgb{255, 255, 255}; });
    DrawImageFrame(gone, 70, 10, 0);
    ReleaseHandle(gone);
    DrawImageFrame(gone, 80, 10, 0);
    surface.Grab();

    EXPECT_EQ(surface.At(300, 0), (Rgb{134, 7, 9}));
    EXPECT_EQ(surface.At(339, 479), (Rgb{134, 7, 9}));
    EXPECT_EQ(surface.At(340, 240), (Rgb{70, 7, 9}));
    EXPECT_EQ(surface.At(379, 479), (Rgb{70, 7, 9}));
    EXPECT_EQ(surface.At(380, 0), (Rgb{0, 7, 9}));
    for (int f = 0; f < 3; ++f) {
        EXPECT_EQ(surface.At(10 + 10 * f, 10), kBlack) << "masked corner of frame " << f;
        EXPECT_EQ(surface.At(11 + 10 * f, 10), (Rgb{50 * (f + 1), 0, 200})) << "frame " << f;
        EXPECT_EQ(surface.At(13 + 10 * f, 13), (Rgb{50 * (f + 1), 0, 200})) << "frame " << f;
        EXPECT_EQ(surface.At(14 + 10 * f, 13), kBlack) << "frame " << f;
    }
    EXPECT_EQ(surface.At(51, 11), kBlack);
    EXPECT_EQ(surface.At(61, 11), kBlack);
    EXPECT_EQ(surface.At(71, 11), (Rgb{255, 255, 255})) << "drawn before it was released";
    EXPECT_EQ(surface.At(81, 11), kBlack);
}

TEST_F(Drawing, ReleasedImagesGiveTheirRoomToLaterOnes) {
    // Section strips come and go; the next one takes the room of the last
    // without disturbing the images that stay.
    auto column = [](int level) {
        return MakeImage(40, 480, 3, 0, [level](int, int, int f) { return Rgb{level, f * 10, 5}; });
    };
    const int32_t first = column(10);
    const int32_t stays = column(20);
    const int32_t third = column(30);
    DrawImageFrame(first, 0, 0, 2);
    DrawImageFrame(stays, 40, 0, 2);
    DrawImageFrame(third, 80, 0, 2);
    ReleaseHandle(first);
    ReleaseHandle(third);
    const int32_t next = column(40);
    const int32_t wider = MakeImage(90, 480, 1, 0, [](int, int, int) { return Rgb{50, 0, 5}; });
    DrawImageFrame(next, 120, 0, 1);
    DrawImageFrame(wider, 160, 0, 0);
    DrawImageFrame(stays, 250, 0, 1);
    surface.Grab();

    EXPECT_EQ(surface.At(0, 0), (Rgb{10, 20, 5})) << "drawn before its release";
    EXPECT_EQ(surface.At(80, 479), (Rgb{30, 20, 5}));
    EXPECT_EQ(surface.At(120, 0), (Rgb{40, 10, 5}));
    EXPECT_EQ(surface.At(159, 479), (Rgb{40, 10, 5}));
    EXPECT_EQ(surface.At(160, 0), (Rgb{50, 0, 5}));
    EXPECT_EQ(surface.At(249, 479), (Rgb{50, 0, 5}));
    EXPECT_EQ(surface.At(250, 0), (Rgb{20, 10, 5}));
    EXPECT_EQ(surface.At(289, 479), (Rgb{20, 10, 5}));
}

TEST_F(Drawing, GrabAfterPresentHoldsThePresentedPicture) {
    GreyBackground();
    SetBlendMode(BlendSolid);
    SetDrawColour(0, 0, 0);
    FillRect(10, 10, 5, 5);
    SetDrawColour(kSprite.r, kSprite.g, kSprite.b);
    FillRect(20, 10, 5, 5);
    SetDrawColour(255, 255, 255);
    PresentFrame(0);
    PresentFrame(-1);

    // A masked capture takes the mask colour in force at the grab.
    SetMaskColour(0, 0, 0);
    const int32_t capture = CreateBlankImage(640, 480, 1, ImageMasked);
    GrabScreenToImage(capture, 0, 0, 0);
    const media::Image* img = media::FindImage(capture);
    auto pixel = [&](int x, int y) { return img->FrameRgba(0) + (static_cast<size_t>(y) * 640 + x) * 4; };
    EXPECT_EQ(pixel(12, 12)[3], 0) << "black became transparent";
    EXPECT_EQ(pixel(22, 12)[0], kSprite.r);
    EXPECT_EQ(pixel(22, 12)[3], 255);
    EXPECT_EQ(pixel(100, 100)[1], kGrey.g);
    EXPECT_EQ(pixel(100, 100)[3], 255);

    // A part grab: the frame's size from (x, y); what lies off the surface is black.
    const int32_t part = CreateBlankImage(8, 8, 1, 0);
    GrabScreenToImage(part, 18, 8, 0);
    EXPECT_EQ(media::FindImage(part)->FrameRgba(0)[(2 * 8 + 2) * 4], kSprite.r);
    GrabScreenToImage(part, 636, -4, 0);
    EXPECT_EQ(media::FindImage(part)->FrameRgba(0)[(5 * 8 + 1) * 4], kGrey.r);
    EXPECT_EQ(media::FindImage(part)->FrameRgba(0)[(5 * 8 + 5) * 4], 0);
    EXPECT_EQ(media::FindImage(part)->FrameRgba(0)[(1 * 8 + 1) * 4], 0);

    // Drawn back in mask mode, the capture shows the new grab (the texture
    // follows the pixels) and its transparent pixels keep what lies below.
    DrawImageFrame(capture, 0, 0, 0);  // uploads the first grab
    ClearScreen();
    SetBlendMode(BlendSolid);
    SetDrawColour(0, 0, 255);
    FillRect(0, 0, 640, 480);
    SetDrawColour(255, 255, 255);
    SetBlendMode(BlendMask);
    DrawImageFrame(capture, 0, 0, 0);
    surface.Grab();
    EXPECT_EQ(surface.At(12, 12), (Rgb{0, 0, 255}));
    EXPECT_EQ(surface.At(22, 12), kSprite);
    EXPECT_EQ(surface.At(100, 100), kGrey);
    GrabScreenToImage(capture, 0, 0, 0);  // now blue where the hole was
    ClearScreen();
    DrawImageFrame(capture, 0, 0, 0);
    surface.Grab();
    EXPECT_EQ(surface.At(12, 12), (Rgb{0, 0, 255}));
    EXPECT_EQ(surface.At(0, 0), kGrey);
}

TEST(DisplayFailure, NoDisplayGivesOneLineAndStatusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
#ifdef _WIN32
    // GoogleTest's own simple expressions there, where '.' is anything but a
    // line's end (the line may end in CR LF).
    const char* oneLine = "^cannot open the 640 x 480 display: .+\n$";
#else
    const char* oneLine = "^cannot open the 640 x 480 display: [^\n]+\n$";
#endif
    EXPECT_EXIT(
        {
            sdltest::UseVideoDriver("no-such-driver");
            InitRuntime();
            InitDisplay();
            OpenDisplay(640, 480, 0, 100, 2);
        },
        ::testing::ExitedWithCode(1), oneLine);
}

}  // namespace
