// Loading pictures into cells, the mask colours, origins and the pixel-exact
// overlap test that hits and contact rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

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

// The rows a file's data holds must be the ones its header gives, loaded
// alone or decoded ahead; the data split over several chunks with a text
// chunk after it loads whole, and the same file cut anywhere is refused.
TEST_F(Images, APictureWhoseDataAndHeaderDisagreeIsRefusedAndAValidLayoutLoads) {
    testpng::Canvas c(5, 8, 0, 255, 0);
    for (int y = 0; y < 8; ++y) c.Set(y % 5, y, static_cast<uint8_t>(20 * y), 0, 90);
    const auto bytes = [&](const testpng::Layout& layout) { return testpng::Bytes(5, 8, c.rgb, layout); };
    testpng::Layout halved, doubled, trailing, split, wrongCheck;
    halved.headerHeight = 4;  // the data holds twice the rows
    doubled.headerHeight = 16;
    trailing.afterStream = {1, 2, 3, 4};  // bytes after the compressed stream ends
    split.idatBytes = 7;
    split.textAfterData = true;
    wrongCheck = split;  // the checksum read after the last row
    wrongCheck.wrongStreamCheck = true;

    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        bool loads;
    };
    std::vector<Case> cases = {
        {"halved.png", bytes(halved), false},     {"doubled.png", bytes(doubled), false},
        {"trailing.png", bytes(trailing), false}, {"wrongcheck.png", bytes(wrongCheck), false},
        {"split.png", bytes(split), true},
    };
    const std::vector<uint8_t> whole = cases.back().file;
    for (size_t n = 0; n < whole.size(); ++n)
        cases.push_back({"cut.png", std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(n)), false});
    std::vector<std::string> paths;
    for (size_t i = 0; i < cases.size(); ++i) {
        paths.push_back(Path((std::to_string(i) + cases[i].name).c_str()));
        testpng::WriteBytes(paths[i], cases[i].file);
    }
    for (const bool ahead : {false, true}) {
        if (ahead) PrepareImageFiles(paths);
        for (size_t i = 0; i < cases.size(); ++i) {
            const int32_t image = LoadImageFile(paths[i], 1);
            const std::string what = std::string(cases[i].name) + " of " + std::to_string(cases[i].file.size()) +
                                     " bytes" + (ahead ? ", decoded ahead" : "");
            EXPECT_EQ(image != 0, cases[i].loads) << what;
            if (image == 0 || !cases[i].loads) continue;
            EXPECT_EQ(ImageFrameHeight(image), 8) << what;
            EXPECT_EQ(media::FindImage(image)->FrameRgba(0)[4 * (7 * 5 + 2)], 140) << what;
        }
    }
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

// The overlap test reads the masks 64 pixels at a time; held against a
// pixel-by-pixel look at the same masks for shapes and offsets of every kind.
TEST_F(Images, OverlapOfMaskBitsAgreesWithEveryPixel) {
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    std::vector<int32_t> images;
    for (int i = 0; i < 12; ++i) {
        const int w = 1 + static_cast<int>(next(150)), h = 1 + static_cast<int>(next(20));
        const int32_t image = CreateBlankImage(w, h, 2, ImageMasked);
        media::Image* img = media::FindImage(image);
        const uint32_t density = 1 + next(8);  // sparse to nearly solid
        for (int f = 0; f < 2; ++f) {
            for (size_t p = 0; p < img->FramePixels(); ++p) img->FrameRgba(f)[4 * p] = next(9) < density ? 255 : 0;
            media::ApplyMaskRule(*img, f);
        }
        images.push_back(image);
    }
    auto slow = [](int32_t a, int ax, int ay, int fa, int32_t b, int bx, int by, int fb) {
        const media::Image* ia = media::FindImage(a);
        const media::Image* ib = media::FindImage(b);
        for (int y = 0; y < ia->frameHeight; ++y) {
            for (int x = 0; x < ia->frameWidth; ++x) {
                const int u = ax + x - bx, v = ay + y - by;
                if (u < 0 || v < 0 || u >= ib->frameWidth || v >= ib->frameHeight) continue;
                if (ia->FrameMask(fa)[y * ia->frameWidth + x] && ib->FrameMask(fb)[v * ib->frameWidth + u]) return 1;
            }
        }
        return 0;
    };
    int hits = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const int32_t a = images[next(12)], b = images[next(12)];
        const int fa = static_cast<int>(next(2)), fb = static_cast<int>(next(2));
        const int ax = static_cast<int>(next(200)) - 100, ay = static_cast<int>(next(30)) - 15;
        const int bx = static_cast<int>(next(200)) - 100, by = static_cast<int>(next(30)) - 15;
        const int32_t expected = slow(a, ax, ay, fa, b, bx, by, fb);
        hits += expected;
        ASSERT_EQ(ImagesOverlap(a, static_cast<float>(ax), static_cast<float>(ay), fa, b, static_cast<float>(bx),
                                static_cast<float>(by), fb),
                  expected)
            << "trial " << trial;
    }
    EXPECT_GT(hits, 400);
    EXPECT_LT(hits, 3600);
}

// Start-up announces its pictures so they decode on worker threads; whatever
// order the loads then come in, they give what plain loads give, handles in
// the order of the loads.
TEST_F(Images, PreparedPicturesLoadAsPlainLoads) {
    std::vector<std::string> paths;
    for (int i = 0; i < 7; ++i) {
        testpng::Canvas c(24 + i, 16, 0, 255, 0);
        c.Fill(i, 1, 9, 9, static_cast<uint8_t>(30 * i), 80, 200);
        const std::string name = "p" + std::to_string(i) + ".png";
        c.Save(Path(name.c_str()));
        paths.push_back(Path(name.c_str()));
    }
    SetMaskColour(0, 255, 0);
    auto load = [](const std::string& path) { return LoadImageStrip(path, 8, 8, 0, 2, ImageMasked); };
    std::vector<int32_t> plain;
    for (const std::string& path : paths) plain.push_back(load(path));

    // Announced: a missing file, and a file announced twice; then loads out
    // of order, one of a file not announced, one announced but never loaded.
    std::vector<std::string> announced(paths.begin(), paths.begin() + 6);
    announced.insert(announced.begin() + 2, Path("missing.png"));
    announced.push_back(paths[1]);
    PrepareImageFiles(announced);
    const int order[] = {1, 0, 6, 3, 1, 2, 5};
    std::vector<int32_t> prepared;
    for (int i : order) prepared.push_back(load(paths[i]));
    EXPECT_EQ(load(Path("missing.png")), 0);
    for (size_t k = 1; k < prepared.size(); ++k) EXPECT_GT(prepared[k], prepared[k - 1]) << "load " << k;
    for (size_t k = 0; k < prepared.size(); ++k) {
        const media::Image* got = media::FindImage(prepared[k]);
        const media::Image* want = media::FindImage(plain[order[k]]);
        ASSERT_TRUE(got && want) << "load " << k;
        EXPECT_EQ(got->frameWidth * 100 + got->frameCount, want->frameWidth * 100 + want->frameCount) << "load " << k;
        EXPECT_TRUE(got->rgba == want->rgba) << "load " << k;
        EXPECT_TRUE(got->maskBits == want->maskBits) << "load " << k;
    }
    // A new start-up drops what the last one never took.
    PrepareImageFiles({paths[4]});
    headless::Reset();
    EXPECT_NE(load(paths[4]), 0);
}

// The real backend keeps pictures compact until they are drawn: the colours
// of the opaque pixels only. Unpacked, a frame is the one a plain cut gives.
TEST_F(Images, CompactCopyUnpacksToThePlainPixels) {
    testpng::Canvas c(30, 14, 0, 255, 0);
    c.Fill(2, 1, 11, 5, 200, 10, 10);
    c.Fill(17, 6, 9, 8, 0, 254, 0);  // one step off the mask colour: opaque
    c.Set(29, 13, 1, 2, 3);
    c.Save(Path("cells.png"));
    media::Picture picture;
    ASSERT_TRUE(media::DecodePng(Path("cells.png"), picture, nullptr));
    SetMaskColour(0, 255, 0);
    for (int32_t flags : {ImageMasked, 0}) {
        const auto whole = media::CutCells(picture, 15, 7, 1, 3, flags, false);
        const auto packed = media::CutCells(picture, 15, 7, 1, 3, flags, true);
        ASSERT_TRUE(whole && packed);
        EXPECT_FALSE(packed->HasPixels());
        EXPECT_TRUE(packed->maskBits == whole->maskBits) << flags;
        std::vector<uint8_t> frame(whole->FramePixels() * 4);
        for (int32_t f = 0; f < 3; ++f) {
            EXPECT_EQ(packed->boxes[f].w * 1000 + packed->boxes[f].h, whole->boxes[f].w * 1000 + whole->boxes[f].h);
            media::UnpackFrame(*packed, f, frame.data());
            EXPECT_TRUE(std::equal(frame.begin(), frame.end(), whole->FrameRgba(f))) << "flags " << flags << " frame " << f;
        }
    }
}

}  // namespace
