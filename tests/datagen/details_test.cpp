// Smaller promises of the data: animations that move, tiles that wrap,
// scenery that supports what is drawn over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "data_access.h"

using namespace datatest;

namespace {

const media::Image* Need(const char* path) {
    const media::Image* img = LoadPicture(path);
    EXPECT_NE(img, nullptr) << path;
    return img;
}

int DifferentPixels(const media::Image* img, int a, int b) {
    int n = 0;
    for (size_t i = 0; i < img->FramePixels(); ++i) {
        const uint8_t* p = img->FrameRgba(a) + 4 * i;
        const uint8_t* q = img->FrameRgba(b) + 4 * i;
        n += img->FrameMask(a)[i] != img->FrameMask(b)[i] || p[0] != q[0] || p[1] != q[1] || p[2] != q[2];
    }
    return n;
}

double Luma(const media::Image* img, int cell, int x, int y) {
    if (!On(img, cell, x, y)) return 0;
    const uint8_t* p = img->FrameRgba(cell) + 4 * (static_cast<size_t>(y) * img->frameWidth + x);
    return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2];
}

// Pixel of a section strip by section x.
bool StripOn(const media::Image* s, int x, int y) { return On(s, x / 40, x % 40, y); }

}  // namespace

TEST(Animations, CellsOfALoopDiffer) {
    struct Anim {
        const char* path;
        int first, count;
    };
    const Anim anims[] = {
        {"Data/Graphics/Levels/Factory/Redlight.png", 0, 6},    {"Data/Graphics/Levels/Steelmill/Roofhook.png", 0, 4},
        {"Data/Graphics/Levels/Factory/Conveyorbelt.png", 0, 2}, {"Data/Graphics/Kestrion/Lifesanim.png", 0, 8},
        {"Data/Graphics/System/Lifesanimface.png", 0, 8},        {"Data/Graphics/System/Spark.png", 0, 3},
        {"Data/Graphics/Kestrion/legwalk.png", 0, 8},            {"Data/Graphics/Enemy/walkers.png", 0, 4},
        {"Data/Graphics/Enemy/roguecop.png", 0, 8},              {"Data/Graphics/Enemy/kr770.png", 0, 16},
        {"Data/Graphics/Enemy/biker.png", 0, 2},                 {"Data/Graphics/System/Glassbreak.png", 0, 9},
        {"Data/Graphics/Kestrion/gundraw.png", 0, 16},           {"Data/Graphics/System/Smokegfx.png", 0, 7},
    };
    for (const Anim& a : anims) {
        const media::Image* img = Need(a.path);
        for (int c = a.first + 1; c < a.first + a.count; ++c) EXPECT_GT(DifferentPixels(img, c - 1, c), 0) << a.path << " " << c;
    }
    // The hook swings symmetrically about the hanging point.
    const media::Image* hook = Need("Data/Graphics/Levels/Steelmill/Roofhook.png");
    EXPECT_EQ(DifferentPixels(hook, 0, 4), 0);
    // The patrol car's two cells differ only in the light bar on the roof.
    const media::Image* car = Need("Data/Graphics/Levels/Street/Cruiser.png");
    for (int y = 24; y < 70; ++y)
        for (int x = 0; x < 111; ++x) {
            const uint8_t* p = car->FrameRgba(0) + 4 * (static_cast<size_t>(y) * 111 + x);
            const uint8_t* q = car->FrameRgba(1) + 4 * (static_cast<size_t>(y) * 111 + x);
            ASSERT_TRUE(p[0] == q[0] && p[1] == q[1] && p[2] == q[2]) << x << "," << y;
        }
    EXPECT_GT(DifferentPixels(car, 0, 1), 20);
    EXPECT_TRUE(AnyOn(car, 0, 0, 66, 110, 69));  // wheels on the street's back edge
    // Falling glass: shards sink and thin out.
    const media::Image* glass = Need("Data/Graphics/System/Glassbreak.png");
    auto meanRow = [&](int c) {
        double s = 0;
        int n = 0;
        for (int y = 0; y < 85; ++y)
            for (int x = 0; x < 60; ++x)
                if (On(glass, c, x, y)) s += y, ++n;
        return n ? s / n : 0.0;
    };
    for (int c = 1; c < 9; ++c) EXPECT_GT(meanRow(c), meanRow(c - 1)) << c;
    EXPECT_LT(CountOn(glass, 8), CountOn(glass, 0));
    EXPECT_TRUE(AnyOn(glass, 8, 0, 70, 59, 84));
}

TEST(Tiles, WrapWhereTheyRepeat) {
    // Cloud bands: the right edge runs on into the left edge.
    for (const char* path : {"Data/Graphics/Levels/Street/Sky.png", "Data/Graphics/Levels/Vxc/Skyhigh.png",
                             "Data/Graphics/Levels/Vxc/Skyhigh2.png"}) {
        const media::Image* img = Need(path);
        double seam = 0, inner = 0;
        for (int y = 0; y < img->frameHeight; ++y) {
            seam += std::fabs(Luma(img, 0, 639, y) - Luma(img, 0, 0, y));
            inner += std::fabs(Luma(img, 0, 320, y) - Luma(img, 0, 321, y));
        }
        EXPECT_LT(seam, inner * 3 + 200) << path;
    }
    // The lift shaft scrolls: its bottom row runs on into its top row.
    const media::Image* shaft = Need("Data/Graphics/Levels/Vxc/Liftscroll.png");
    double seam = 0, inner = 0;
    for (int x = 0; x < 430; ++x) {
        seam += std::fabs(Luma(shaft, 0, x, 591) - Luma(shaft, 0, x, 0));
        for (int y : {100, 200, 400, 500}) inner += std::fabs(Luma(shaft, 0, x, y) - Luma(shaft, 0, x, y + 1)) / 4;
    }
    EXPECT_LT(seam, inner * 3 + 500);
    // Heavy rain is sparse: two full-screen light sheets must stay dim.
    const media::Image* rain = Need("Data/Graphics/System/Rainbig.png");
    double total = 0;
    for (int y = 0; y < rain->frameHeight; ++y)
        for (int x = 0; x < rain->frameWidth; ++x) total += Luma(rain, 0, x, y);
    EXPECT_LT(total / rain->FramePixels(), 12.0);
    EXPECT_GT(total, 0.0);
}

TEST(Scenery, SupportsWhatIsDrawnOverIt) {
    // Upper-floor window props hang on facade, not on sky.
    const media::Image* gas = Need("Data/Graphics/Levels/Street/GasStation.png");
    for (int x : {35, 291, 770, 961, 1929, 3047, 3836}) EXPECT_TRUE(StripOn(gas, x + 28, 20)) << "gas station " << x;
    const media::Image* ware = Need("Data/Graphics/Levels/Street/Warehouse.png");
    for (int x : {166, 548, 1438, 2211, 3441, 4075}) EXPECT_TRUE(StripOn(ware, x + 28, 20)) << "warehouse " << x;
    const media::Image* mill = Need("Data/Graphics/Levels/Steelmill/Steelmill.png");
    for (int x : {693, 821, 1928, 2591, 2687}) EXPECT_TRUE(StripOn(mill, x + 28, 20)) << "steel mill " << x;
    // Wall lamps above each light pool.
    for (int pool : {130, 1711, 3867}) EXPECT_TRUE(StripOn(gas, pool + 60, 122)) << "lamp " << pool;
    // The yard at the end of the steel mill is open to the sky.
    for (int x = 3800; x < 4480; x += 50) EXPECT_FALSE(StripOn(mill, x, 40)) << x;
    // The factory's small windows: a dark pane in a frame.
    const media::Image* fac = Need("Data/Graphics/Levels/Factory/Factory.png");
    for (int x : {36, 372, 516, 852, 1627}) {
        EXPECT_TRUE(StripOn(fac, x + 22, 168));
        EXPECT_LT(Luma(fac, (x + 22) / 40, (x + 22) % 40, 168), 40) << x;
    }
    // The boardroom's wall screen is dark under the flickering face.
    const media::Image* board = Need("Data/Graphics/Levels/Vxc/Boardroom.png");
    EXPECT_LT(Luma(board, 164 / 40, 164 % 40, 182), 30);
    // The detection box is one solid block.
    const media::Image* box = Need("Data/Graphics/System/detect1.png");
    EXPECT_EQ(CountOn(box, 0), box->frameWidth * box->frameHeight);
    // Window overlays leave most of the glass to the reflection.
    for (const char* path : {"Data/Graphics/Levels/Street/Window.png", "Data/Graphics/Levels/Factory/Windowsmall.png"}) {
        const media::Image* w = Need(path);
        EXPECT_LT(CountOn(w, 0), static_cast<int>(w->FramePixels() / 3)) << path;
    }
    // Weapon icons for the weapons that can be shown.
    const media::Image* icons = Need("Data/Graphics/System/Guntypeicon.png");
    for (int c : {0, 1, 2, 5, 6}) EXPECT_GT(CountOn(icons, c), 40) << c;
}
