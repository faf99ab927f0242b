// The pictures are part of the rules: hits and contact are pixel overlaps
// between cells. These checks hold the shapes to where play expects them.
#include <gtest/gtest.h>

#include <cmath>

#include "data_access.h"

using namespace datatest;

namespace {

const media::Image* Need(const char* path) {
    const media::Image* img = LoadPicture(path);
    EXPECT_NE(img, nullptr) << path;
    return img;
}

}  // namespace

TEST(Bullets, StreaksAreCompactCentredAndAlongTheirDirection) {
    const media::Image* b = Need("Data/Graphics/System/Bullets.png");
    ASSERT_NE(b, nullptr);
    const int dx[16] = {0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4, -4, -4, -4, -2};
    const int dy[16] = {-4, -4, -4, -2, 0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4};
    for (int d = 0; d < 16; ++d) {
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                if (On(b, d, x, y)) sx += x, sy += y, ++n;
        ASSERT_GT(n, 6) << "direction " << d;
        EXPECT_LE(n, 34) << "direction " << d;
        const double cx = sx / n, cy = sy / n;
        EXPECT_NEAR(cx, 4.5, 1.0) << "direction " << d;
        EXPECT_NEAR(cy, 4.5, 1.0) << "direction " << d;
        // Spread along the flight direction exceeds the spread across it.
        const double len = std::hypot(dx[d], dy[d]), ux = dx[d] / len, uy = dy[d] / len;
        double along = 0, across = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                if (On(b, d, x, y)) {
                    const double px = x - cx, py = y - cy;
                    along += std::pow(px * ux + py * uy, 2);
                    across += std::pow(-px * uy + py * ux, 2);
                }
        EXPECT_GT(along, 2.0 * across) << "direction " << d;
        // Every kind of round keeps the footprint that the hit tests use.
        for (int run : {16, 32, 48})
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 10; ++x)
                    ASSERT_EQ(On(b, d, x, y), On(b, d + run, x, y)) << "cell " << d + run << " at " << x << "," << y;
    }
    // A horizontal streak lies on rows 3..5, a vertical one on cols 3..5.
    EXPECT_FALSE(AnyOn(b, 4, 0, 0, 9, 2));
    EXPECT_FALSE(AnyOn(b, 4, 0, 6, 9, 9));
    EXPECT_FALSE(AnyOn(b, 0, 0, 0, 2, 9));
    EXPECT_FALSE(AnyOn(b, 0, 6, 0, 9, 9));
}

TEST(StreetGunman, ThreeLooksShareOneSilhouette) {
    const media::Image* w = Need("Data/Graphics/Enemy/walkers.png");
    ASSERT_NE(w, nullptr);
    for (int c = 0; c < 24; ++c)
        for (int look : {24, 48})
            for (int y = 0; y < w->frameHeight; ++y)
                for (int x = 0; x < w->frameWidth; ++x)
                    ASSERT_EQ(On(w, c, x, y), On(w, c + look, x, y)) << "cell " << c + look << " at " << x << "," << y;
}

TEST(Enemies, BodiesSitWhereTheShotsArrive) {
    const media::Image* w = Need("Data/Graphics/Enemy/walkers.png");
    for (int c : {0, 1, 2, 3, 4, 11, 12, 13, 14, 15}) EXPECT_TRUE(AnyOn(w, c, 0, 6, 83, 30)) << "gunman " << c;
    // Crouching: standing shots at equal lanes pass over, ducking shots hit.
    for (int c : {5, 16}) {
        EXPECT_FALSE(AnyOn(w, c, 0, 0, 83, 25)) << "gunman " << c;
        EXPECT_TRUE(AnyOn(w, c, 0, 35, 83, 50)) << "gunman " << c;
    }
    const media::Image* sn = Need("Data/Graphics/Enemy/sniper.png");
    for (int c : {0, 1, 2, 3, 8, 9}) EXPECT_TRUE(AnyOn(sn, c, 15, 21, 45, 30)) << "sniper " << c;
    const media::Image* cs = Need("Data/Graphics/Enemy/chainsaw.png");
    for (int c : {0, 1, 2, 3, 12, 13, 14, 15}) EXPECT_TRUE(AnyOn(cs, c, 0, 11, 159, 36)) << "chainsaw " << c;
    // The rogue officer's armour only counts between cols 20 and 60.
    const media::Image* rc = Need("Data/Graphics/Enemy/roguecop.png");
    for (int c = 0; c < 8; ++c) {
        EXPECT_TRUE(AnyOn(rc, c, 21, 6, 59, 26)) << "rogue " << c;
        EXPECT_TRUE(AnyOn(rc, c + 14, 21, 6, 59, 26)) << "rogue " << c + 14;
    }
    // The biker: rider in the top ten rows, machine below.
    const media::Image* bk = Need("Data/Graphics/Enemy/biker.png");
    for (int c = 0; c < 4; ++c) {
        EXPECT_TRUE(AnyOn(bk, c, 0, 0, 104, 10)) << "biker " << c;
        EXPECT_TRUE(AnyOn(bk, c, 0, 11, 104, 31)) << "biker " << c;
        EXPECT_TRUE(AnyOn(bk, c, 0, 62, 104, 67)) << "biker wheels " << c;
    }
    // KR770: high and low strikes both find armour.
    const media::Image* kr = Need("Data/Graphics/Enemy/kr770.png");
    for (int c = 0; c < 16; ++c)
        for (int cell : {c, c + 25}) {
            EXPECT_TRUE(AnyOn(kr, cell, 20, 5, 130, 40)) << "kr770 " << cell;
            EXPECT_TRUE(AnyOn(kr, cell, 20, 51, 130, 72)) << "kr770 " << cell;
            EXPECT_TRUE(AnyOn(kr, cell, 0, 118, 150, 131)) << "kr770 feet " << cell;
        }
}

TEST(Enemies, MuzzlesSitBesideTheirShotCells) {
    struct Muzzle {
        const char* path;
        int cell, x0, y0, x1, y1;
    };
    const Muzzle muzzles[] = {
        {"Data/Graphics/Enemy/walkers.png", 4, 74, 11, 83, 20},  {"Data/Graphics/Enemy/walkers.png", 15, 0, 11, 9, 20},
        {"Data/Graphics/Enemy/walkers.png", 5, 74, 35, 83, 44},  {"Data/Graphics/Enemy/walkers.png", 16, 0, 35, 9, 44},
        {"Data/Graphics/Enemy/sniper.png", 0, 0, 31, 9, 42},     {"Data/Graphics/Enemy/sniper.png", 1, 22, 40, 34, 53},
        {"Data/Graphics/Enemy/sniper.png", 2, 47, 31, 56, 42},   {"Data/Graphics/Enemy/roguecop.png", 8, 80, 13, 93, 24},
        {"Data/Graphics/Enemy/roguecop.png", 22, 0, 13, 12, 24},
    };
    for (const Muzzle& m : muzzles) {
        const media::Image* img = Need(m.path);
        EXPECT_TRUE(AnyOn(img, m.cell, m.x0, m.y0, m.x1, m.y1)) << m.path << " cell " << m.cell;
    }
    // Nothing sticks out far beyond the muzzle of a standing gunman.
    const media::Image* w = Need("Data/Graphics/Enemy/walkers.png");
    EXPECT_FALSE(AnyOn(w, 4, 0, 0, 83, 2));
    // KR770 guns at the front edge of every walking cell.
    const media::Image* kr = Need("Data/Graphics/Enemy/kr770.png");
    for (int c = 0; c < 16; ++c) {
        EXPECT_TRUE(AnyOn(kr, c, 136, 40, 150, 56)) << "kr770 " << c;
        EXPECT_TRUE(AnyOn(kr, c + 25, 0, 40, 14, 56)) << "kr770 " << c + 25;
    }
}

TEST(Chainsaw, FullSwingReachesTheHerosBox) {
    const media::Image* cs = Need("Data/Graphics/Enemy/chainsaw.png");
    for (int c : {5, 6}) EXPECT_TRUE(AnyOn(cs, c, 120, 30, 150, 55)) << c;
    for (int c : {17, 18}) EXPECT_TRUE(AnyOn(cs, c, 10, 30, 40, 55)) << c;
    // Walking, the blade stays short of the swing's reach.
    for (int c : {0, 1, 2}) EXPECT_FALSE(AnyOn(cs, c, 130, 0, 159, 87)) << c;
}

TEST(Props, StandTallFromTheTopOfTheirCells) {
    const media::Image* p = Need("Data/Graphics/System/Destructables.png");
    ASSERT_NE(p, nullptr);
    for (int c = 0; c < 24; ++c) {
        EXPECT_TRUE(AnyOn(p, c, 20, 0, 36, 3)) << "prop " << c;
        EXPECT_TRUE(AnyOn(p, c, 20, 7, 36, 19)) << "prop " << c;
        EXPECT_TRUE(AnyOn(p, c, 0, 50, 55, 59)) << "prop " << c << " ground";
    }
    // Terminals stand 18 px apart: at most 18 wide around col 28.
    for (int c : {20, 21}) {
        EXPECT_FALSE(AnyOn(p, c, 0, 0, 18, 59)) << c;
        EXPECT_FALSE(AnyOn(p, c, 38, 0, 55, 59)) << c;
    }
    // The two table halves join at the cell edge.
    EXPECT_TRUE(AnyOn(p, 16, 55, 0, 55, 40));
    EXPECT_TRUE(AnyOn(p, 18, 0, 0, 0, 40));
}

TEST(Hero, TorsoFillsTheHitBandAndKeepsItsTopClearForDucking) {
    for (const char* path : {"Data/Graphics/Kestrion/body.png", "Data/Graphics/Kestrion/bodyf.png"}) {
        const media::Image* t = Need(path);
        ASSERT_NE(t, nullptr);
        for (int c : {0, 2, 5, 6, 7, 9, 12, 13}) EXPECT_TRUE(AnyOn(t, c, 0, 16, t->frameWidth - 1, 55)) << path << " " << c;
        for (int c : {0, 1, 2, 5, 7, 8, 9, 12}) EXPECT_FALSE(AnyOn(t, c, 0, 0, t->frameWidth - 1, 15)) << path << " " << c;
    }
    // Firing pose: the gun's tip at P.x + 70 facing right, P.x - 30 facing left, P.y - 18.
    EXPECT_TRUE(AnyOn(Need("Data/Graphics/Kestrion/body.png"), 2, 74, 29, 78, 35));
    EXPECT_TRUE(AnyOn(Need("Data/Graphics/Kestrion/bodyf.png"), 2, 0, 29, 4, 35));
    // Legs: hips at the top row, soles near row 43, in every walk cell.
    for (const char* path : {"Data/Graphics/Kestrion/legwalk.png", "Data/Graphics/Kestrion/legwalkf.png"}) {
        const media::Image* l = Need(path);
        for (int c = 0; c < 9; ++c) {
            EXPECT_TRUE(AnyOn(l, c, 8, 0, 32, 2)) << path << " " << c;
            EXPECT_TRUE(AnyOn(l, c, 0, 41, 39, 45)) << path << " " << c;
        }
    }
    // Whole-body cells: head top at row 0, soles near row 77, every cell a full body.
    const media::Image* g = Need("Data/Graphics/Kestrion/gundraw.png");
    for (int c = 0; c < 32; ++c) {
        EXPECT_TRUE(AnyOn(g, c, 10, 0, 40, 3)) << "gundraw " << c;
        EXPECT_TRUE(AnyOn(g, c, 0, 74, 56, 79)) << "gundraw " << c;
        EXPECT_TRUE(AnyOn(g, c, 14, 30, 30, 40)) << "gundraw " << c;
    }
}
