// Layout rules of the sheets beyond collisions: facings mirror each other,
// flicker cells copy their originals, figures stand on their ground rows,
// and foreground pieces have the sizes their placements need.
#include <gtest/gtest.h>

#include <algorithm>

#include "data_access.h"

using namespace datatest;

namespace {

const media::Image* Need(const char* path) {
    const media::Image* img = LoadPicture(path);
    EXPECT_NE(img, nullptr) << path;
    return img;
}

// Lowest and highest opaque row of a cell (-1 when empty).
int Bottom(const media::Image* img, int cell) {
    for (int y = img->frameHeight - 1; y >= 0; --y)
        if (AnyOn(img, cell, 0, y, img->frameWidth - 1, y)) return y;
    return -1;
}
int Top(const media::Image* img, int cell) {
    for (int y = 0; y < img->frameHeight; ++y)
        if (AnyOn(img, cell, 0, y, img->frameWidth - 1, y)) return y;
    return -1;
}

bool SameMask(const media::Image* a, int ca, const media::Image* b, int cb, int shift = 0) {
    for (int y = 0; y < a->frameHeight; ++y)
        for (int x = 0; x < a->frameWidth; ++x)
            if (On(a, ca, x, y) != On(b, cb, x + shift, y)) return false;
    return true;
}

// Cell `b` is cell `a` mirrored so that column x lands on column axis2 - x.
bool Mirrored(const media::Image* img, int a, int b, int axis2) {
    for (int y = 0; y < img->frameHeight; ++y)
        for (int x = 0; x < img->frameWidth; ++x) {
            const int m = axis2 - x;
            if (m < 0 || m >= img->frameWidth) continue;
            if (On(img, a, x, y) != On(img, b, m, y)) return false;
        }
    return true;
}

double Brightness(const media::Image* img, int cell) {
    double sum = 0;
    const uint8_t* p = img->FrameRgba(cell);
    for (size_t i = 0; i < img->FramePixels(); ++i)
        if (img->FrameMask(cell)[i]) sum += p[4 * i] + p[4 * i + 1] + p[4 * i + 2];
    return sum;
}

}  // namespace

TEST(Facings, LeftCellsMirrorRightCells) {
    const media::Image* w = Need("Data/Graphics/Enemy/walkers.png");
    for (int k = 0; k <= 10; ++k) EXPECT_TRUE(Mirrored(w, k, 11 + k, 83)) << "gunman " << k;
    const media::Image* cs = Need("Data/Graphics/Enemy/chainsaw.png");
    for (int k = 0; k < 12; ++k) EXPECT_TRUE(Mirrored(cs, k, 12 + k, 159)) << "chainsaw " << k;
    const media::Image* rc = Need("Data/Graphics/Enemy/roguecop.png");
    for (int k = 0; k < 14; ++k) EXPECT_TRUE(Mirrored(rc, k, 14 + k, 90)) << "rogue " << k;
    const media::Image* kr = Need("Data/Graphics/Enemy/kr770.png");
    for (int k = 0; k < 23; ++k) EXPECT_TRUE(Mirrored(kr, k, 25 + k, 150)) << "kr770 " << k;
    const media::Image* bk = Need("Data/Graphics/Enemy/biker.png");
    EXPECT_TRUE(Mirrored(bk, 0, 2, 104));
    EXPECT_TRUE(Mirrored(bk, 4, 6, 104));
    const media::Image* sn = Need("Data/Graphics/Enemy/sniper.png");
    EXPECT_TRUE(Mirrored(sn, 2, 0, 56));
    EXPECT_TRUE(Mirrored(sn, 9, 8, 56));
    // The hero's left sheets mirror the right ones about P.x + 20.5.
    const media::Image* lr = Need("Data/Graphics/Kestrion/legwalk.png");
    const media::Image* ll = Need("Data/Graphics/Kestrion/legwalkf.png");
    for (int c = 0; c < 9; ++c)
        for (int y = 0; y < 46; ++y)
            for (int x = 1; x < 40; ++x) ASSERT_EQ(On(lr, c, x, y), On(ll, c, 40 - x, y)) << c << " " << x << "," << y;
}

TEST(Facings, FlickerCellsCopyTheirOriginals) {
    const media::Image* w = Need("Data/Graphics/Enemy/walkers.png");
    for (int look : {0, 24, 48}) {
        EXPECT_TRUE(SameMask(w, look + 9, w, look + 10));
        EXPECT_TRUE(SameMask(w, look + 20, w, look + 21));
    }
    const media::Image* cs = Need("Data/Graphics/Enemy/chainsaw.png");
    EXPECT_TRUE(SameMask(cs, 10, cs, 11));
    EXPECT_TRUE(SameMask(cs, 22, cs, 23));
    const media::Image* rc = Need("Data/Graphics/Enemy/roguecop.png");
    EXPECT_TRUE(SameMask(rc, 12, rc, 13));
    EXPECT_TRUE(SameMask(rc, 26, rc, 27));
    const media::Image* bk = Need("Data/Graphics/Enemy/biker.png");
    EXPECT_TRUE(SameMask(bk, 4, bk, 5));
    EXPECT_TRUE(SameMask(bk, 6, bk, 7));
    const media::Image* sn = Need("Data/Graphics/Enemy/sniper.png");
    EXPECT_TRUE(SameMask(sn, 5, sn, 6));
    // Reflection sheets are the torso sheets one pixel to the right.
    const media::Image* body = Need("Data/Graphics/Kestrion/body.png");
    const media::Image* mirror = Need("Data/Graphics/Kestrion/bodymirror.png");
    for (int c = 0; c < 16; ++c)
        for (int y = 0; y < 56; ++y)
            for (int x = 0; x + 1 < 79; ++x) ASSERT_EQ(On(body, c, x, y), On(mirror, c, x + 1, y)) << c;
}

TEST(Figures, StandOnTheirGroundRows) {
    const media::Image* w = Need("Data/Graphics/Enemy/walkers.png");
    for (int c : {0, 1, 2, 3, 4, 5}) EXPECT_NEAR(Bottom(w, c), 81, 2) << "gunman " << c;
    for (int c : {9, 10}) EXPECT_NEAR(Bottom(w, c), 56, 3) << "dead gunman " << c;
    EXPECT_LE(Top(w, 4), 6);
    const media::Image* sn = Need("Data/Graphics/Enemy/sniper.png");
    for (int c : {0, 1, 2, 8, 9}) {
        EXPECT_NEAR(Bottom(sn, c), 92, 2) << "sniper " << c;
        EXPECT_NEAR(Top(sn, c), 14, 3) << "sniper " << c;
    }
    EXPECT_NEAR(Bottom(sn, 5), 45, 4);  // painted in the upper half: the cell has sunk
    const media::Image* cs = Need("Data/Graphics/Enemy/chainsaw.png");
    for (int c = 0; c < 7; ++c) EXPECT_NEAR(Bottom(cs, c), 85, 2) << "chainsaw " << c;
    const media::Image* rc = Need("Data/Graphics/Enemy/roguecop.png");
    for (int c = 0; c <= 8; ++c) {
        EXPECT_NEAR(Bottom(rc, c), 77, 1) << "rogue " << c;
        EXPECT_LE(Top(rc, c), 4) << "rogue " << c;
    }
    for (int c = 9; c <= 12; ++c) EXPECT_NEAR(Bottom(rc, c), 77, 2) << "rogue collapsing " << c;
    const media::Image* bk = Need("Data/Graphics/Enemy/biker.png");
    for (int c = 0; c < 8; ++c) EXPECT_NEAR(Bottom(bk, c), 66, 2) << "biker " << c;
    const media::Image* kr = Need("Data/Graphics/Enemy/kr770.png");
    for (int c = 0; c < 16; ++c) {
        EXPECT_GE(Bottom(kr, c), 120) << "kr770 " << c;
        EXPECT_LE(Bottom(kr, c), 131) << "kr770 " << c;
    }
    EXPECT_LT(Bottom(kr, 22), 139);
    // The hero: soles at row 43 of the legs, 27 below the hips kneeling, 77 in whole-body cells.
    const media::Image* legs = Need("Data/Graphics/Kestrion/legwalk.png");
    for (int c = 0; c < 9; ++c) EXPECT_NEAR(Bottom(legs, c), 43, 1) << "legs " << c;
    for (const char* k : {"Data/Graphics/Kestrion/legkneel.png", "Data/Graphics/Kestrion/legkneelf.png"}) {
        const media::Image* kneel = Need(k);
        EXPECT_NEAR(Bottom(kneel, 0), 27, 1) << k;
        EXPECT_LE(Top(kneel, 0), 2) << k;
    }
    const media::Image* whole = Need("Data/Graphics/Kestrion/gundraw.png");
    for (int c = 0; c < 32; ++c) EXPECT_NEAR(Bottom(whole, c), 77, 1) << "gundraw " << c;
    const media::Image* hit = Need("Data/Graphics/Kestrion/hitframe.png");
    for (int c = 0; c < 2; ++c) EXPECT_NEAR(Bottom(hit, c), 77, 2);
    const media::Image* dead = Need("Data/Graphics/Kestrion/offline.png");
    for (int c = 0; c < 10; ++c) {
        EXPECT_NEAR(Bottom(dead, c), 20, 2) << "offline " << c;
        EXPECT_TRUE(AnyOn(dead, c, 0, 0, 20, 30) && AnyOn(dead, c, 70, 0, 93, 30)) << "offline " << c << " lies flat";
    }
}

TEST(Hero, OverlaysStayOnTheTorso) {
    const char* pairs[2][3] = {{"Data/Graphics/Kestrion/body.png", "Data/Graphics/Kestrion/bodylight.png",
                                "Data/Graphics/Kestrion/bodytalk.png"},
                               {"Data/Graphics/Kestrion/bodyf.png", "Data/Graphics/Kestrion/bodyflight.png",
                                "Data/Graphics/Kestrion/bodyftalk.png"}};
    for (auto& p : pairs) {
        const media::Image* body = Need(p[0]);
        const media::Image* lit = Need(p[1]);
        const media::Image* talk = Need(p[2]);
        for (int c = 0; c < 16; ++c) {
            int litCount = 0;
            for (int y = 0; y < body->frameHeight; ++y)
                for (int x = 0; x < body->frameWidth; ++x)
                    if (On(lit, c, x, y)) {
                        ++litCount;
                        ASSERT_TRUE(On(body, c, x, y)) << p[1] << " cell " << c << " lights outside the torso";
                    }
            EXPECT_GT(litCount, 10) << p[1] << " " << c;
            EXPECT_LT(litCount, CountOn(body, c) / 2) << p[1] << " " << c;
            // The talking mouth is a small patch below the visor.
            const int mouth = CountOn(talk, c);
            EXPECT_GT(mouth, 4) << p[2] << " " << c;
            EXPECT_LT(mouth, 80) << p[2] << " " << c;
        }
    }
    // The rolling helmet turns: consecutive cells differ.
    const media::Image* roll = Need("Data/Graphics/Kestrion/helmetroll.png");
    for (int c = 0; c < 16; ++c) {
        EXPECT_GT(CountOn(roll, c), 60) << c;
        if (c % 8 != 0) {
            EXPECT_FALSE(SameMask(roll, c, roll, c - 1)) << c;
        }
    }
}

TEST(Pickups, StandOnTheirGroundLineBelowTheArrow) {
    const media::Image* p = Need("Data/Graphics/System/Collectables.png");
    for (int c = 0; c < 8; ++c) {
        EXPECT_FALSE(AnyOn(p, c, 0, 0, 22, 11)) << c;
        EXPECT_GE(Bottom(p, c), 42) << c;
        EXPECT_LE(Bottom(p, c), 48) << c;
        EXPECT_LE(Top(p, c), 30) << c;
    }
    const media::Image* arrow = Need("Data/Graphics/System/ItemarrowW.png");
    EXPECT_TRUE(On(arrow, 0, 11, arrow->frameHeight - 1));  // tip at the bottom centre
}

TEST(Effects, BlastsGrowThenFadeAroundTheirCentre) {
    for (const char* path : {"Data/Graphics/System/Explodesmall.png", "Data/Graphics/System/Explodemed.png",
                             "Data/Graphics/System/Explodebig.png"}) {
        const media::Image* e = Need(path);
        for (int c = 0; c < 11; ++c) {
            double sx = 0, sy = 0;
            int n = 0;
            for (int y = 0; y < e->frameHeight; ++y)
                for (int x = 0; x < e->frameWidth; ++x)
                    if (On(e, c, x, y)) sx += x, sy += y, ++n;
            ASSERT_GT(n, 0) << path << " " << c;
            EXPECT_NEAR(sx / n, e->frameWidth / 2.0, e->frameWidth * 0.2) << path << " " << c;
            EXPECT_NEAR(sy / n, e->frameHeight / 2.0, e->frameHeight * 0.2) << path << " " << c;
        }
        EXPECT_LT(CountOn(e, 0), CountOn(e, 3)) << path;
        EXPECT_GT(Brightness(e, 4), Brightness(e, 10) * 3) << path;
    }
    // Fire columns stand on the bottom rows; the falling bomb's head is at the bottom centre.
    const media::Image* f = Need("Data/Graphics/System/Fireball.png");
    for (int c = 2; c < 7; ++c) EXPECT_TRUE(AnyOn(f, c, 0, 44, 31, 47)) << c;
    EXPECT_TRUE(AnyOn(f, 0, 12, 40, 20, 47));
    EXPECT_GT(Top(f, 4), -1);
    EXPECT_LT(Top(f, 4), Top(f, 2));
    // Smoke puffs grow.
    const media::Image* sm = Need("Data/Graphics/System/Smokegfx.png");
    EXPECT_LT(CountOn(sm, 0), CountOn(sm, 6));
    // Muzzle flashes start where the gun is: cell 0 at its right edge, cell 4 at its left.
    const media::Image* mf = Need("Data/Graphics/System/Firegun.png");
    for (int v : {0, 7}) {
        EXPECT_TRUE(AnyOn(mf, 0 + v, 30, 12, 33, 20)) << v;
        EXPECT_TRUE(AnyOn(mf, 4 + v, 0, 13, 3, 21)) << v;
    }
    // A missile flying left keeps its nose inside its hit square.
    const media::Image* mi = Need("Data/Graphics/System/Missile.png");
    for (int c : {2, 3}) EXPECT_TRUE(AnyOn(mi, c, 0, 18, 9, 27)) << c;
    for (int c : {0, 1}) EXPECT_TRUE(AnyOn(mi, c, 20, 0, 27, 8)) << c;
    // Casings turn through their sixteen steps.
    const media::Image* sh = Need("Data/Graphics/System/Shells.png");
    for (int c = 0; c < 64; ++c) EXPECT_GT(CountOn(sh, c), 0) << c;
    EXPECT_FALSE(SameMask(sh, 0, sh, 4));
}

TEST(Hud, GlyphsKeepToTheirAdvance) {
    const media::Image* f = Need("Data/Graphics/System/silverfont.png");
    for (int c = 0; c < 44; ++c) {
        EXPECT_FALSE(AnyOn(f, c, 9, 0, 9, 10)) << "glyph " << c;
        if (c != 41 && c != 37 && c != 36) {
            EXPECT_GT(CountOn(f, c), 8) << "glyph " << c;
        }
    }
    EXPECT_EQ(CountOn(f, 41), 0);  // the space
    const media::Image* d = Need("Data/Graphics/System/Scorefontsilver.png");
    for (int c = 0; c < 20; ++c) {
        EXPECT_FALSE(AnyOn(d, c, 12, 0, 13, 15)) << "digit " << c;
        EXPECT_GT(CountOn(d, c), 20) << "digit " << c;
    }
    // Warning digits share the silver digits' shapes.
    for (int c = 0; c < 10; ++c) EXPECT_TRUE(SameMask(d, c, d, c + 10)) << c;
    // Fire-rate cells light one more segment each.
    const media::Image* g = Need("Data/Graphics/System/gunrate.png");
    for (int c = 1; c < 5; ++c) EXPECT_GT(Brightness(g, c), Brightness(g, c - 1)) << c;
    // Energy bars: a bright fill column and a dim track column.
    for (const char* path : {"Data/Graphics/System/Energybar.png", "Data/Graphics/System/EnergybarO.png",
                             "Data/Graphics/System/EnergybarW.png"}) {
        const media::Image* e = Need(path);
        EXPECT_EQ(CountOn(e, 0), 7) << path;
        const uint8_t* fill = e->FrameRgba(0);
        const uint8_t* track = e->FrameRgba(1);
        EXPECT_GE(std::max({fill[12], fill[13], fill[14]}), 200) << path;  // row 3, the brightest
        for (int y = 0; y < 7; ++y) EXPECT_LE(std::max({track[4 * y], track[4 * y + 1], track[4 * y + 2]}), 80) << path;
    }
}

TEST(Foreground, PiecesHaveTheSizesTheirPlacesNeed) {
    struct Size {
        const char* path;
        int w, h;
    };
    const Size sizes[] = {
        {"Data/Graphics/Levels/Street/LampPost.png", 64, 182}, {"Data/Graphics/Levels/Street/FenceBarb.png", 152, 80},
        {"Data/Graphics/Levels/Street/FenceDark.png", 146, 79}, {"Data/Graphics/Levels/Street/Trashcan.png", 27, 22},
        {"Data/Graphics/Levels/Street/Tyres.png", 71, 29},     {"Data/Graphics/Levels/Street/OilDrum.png", 25, 22},
        {"Data/Graphics/Levels/Street/BinTyreDrum.png", 148, 29}, {"Data/Graphics/Levels/Street/Binx3.png", 61, 22},
        {"Data/Graphics/Levels/Street/DrumStack.png", 49, 56}, {"Data/Graphics/Levels/Street/Lightbulb.png", 26, 20},
        {"Data/Graphics/Levels/Vxc/Ropes.png", 170, 38},        {"Data/Graphics/Levels/Vxc/Couch.png", 89, 47},
        {"Data/Graphics/Levels/Vxc/Pillar.png", 297, 480},
        {"Data/Graphics/Levels/Factory/Boxes.png", 64, 27},     {"Data/Graphics/Levels/Graveyard/Grass.png", 274, 18},
        {"Data/Graphics/Levels/Graveyard/Stoneangel.png", 27, 53}, {"Data/Graphics/Levels/Graveyard/Stonegrass.png", 38, 32},
        {"Data/Graphics/Levels/Graveyard/Stonerock.png", 49, 42}, {"Data/Graphics/Levels/Graveyard/Stonecross.png", 29, 38},
        {"Data/Graphics/Levels/Graveyard/Stonecurve.png", 36, 35}, {"Data/Graphics/Levels/Steelmill/Frontgirder.png", 49, 480},
        {"Data/Graphics/Levels/Junkyard/Junkfront.png", 757, 38},
    };
    for (const Size& s : sizes) {
        const media::Image* img = Need(s.path);
        EXPECT_EQ(img->frameWidth, s.w) << s.path;
        EXPECT_EQ(img->frameHeight, s.h) << s.path;
        EXPECT_GE(Bottom(img, 0), s.h - 3) << s.path << " stands on the bottom edge";
    }
    EXPECT_EQ(Need("Data/Graphics/System/special.png")->frameWidth, 26);  // ends before the weapon icon
    EXPECT_LE(Need("Data/Graphics/Levels/Factory/Girderlift.png")->frameHeight, 250);
    EXPECT_EQ(Need("Data/Graphics/Levels/Factory/Roofpipes.png")->frameWidth, 508);
    // Tiles repeat at their periods.
    const media::Image* grass = Need("Data/Graphics/Levels/Graveyard/Grass.png");
    EXPECT_TRUE([&] {
        for (int y = 0; y < 18; ++y)
            if (On(grass, 0, 0, y) != On(grass, 0, 273, y)) return false;
        return true;
    }());
    const media::Image* junk = Need("Data/Graphics/Levels/Junkyard/Junkfront.png");
    for (int y = 0; y < 38; ++y) EXPECT_EQ(On(junk, 0, 0, y), On(junk, 0, 756, y)) << y;
    // See-through pieces keep the actors visible.
    for (const char* path : {"Data/Graphics/Levels/Vxc/Pillar.png", "Data/Graphics/Levels/Vxc/Boardpillar.png",
                             "Data/Graphics/Levels/Vxc/Boarddoor.png", "Data/Graphics/Levels/Street/FenceBarb.png"}) {
        const media::Image* img = Need(path);
        EXPECT_LT(CountOn(img, 0), static_cast<int>(img->FramePixels() / 2)) << path;
    }
    const media::Image* pillar = Need("Data/Graphics/Levels/Vxc/Pillar.png");
    EXPECT_FALSE(AnyOn(pillar, 0, 60, 40, 296, 479));
    // The lamp post's glass stays clear so the bulb shows through.
    const media::Image* lamp = Need("Data/Graphics/Levels/Street/LampPost.png");
    EXPECT_FALSE(AnyOn(lamp, 0, 6, 11, 17, 16));
    EXPECT_TRUE(AnyOn(lamp, 0, 36, 100, 46, 181));
}

TEST(Strips, LeaveTheLayersBehindVisibleWhereTheSectionsNeedThem) {
    const media::Image* lift = Need("Data/Graphics/Levels/Vxc/Elevator.png");
    // The strip's cells are 40-px columns; check the whole picture by column.
    auto on = [](const media::Image* img, int x, int y) { return On(img, x / 40, x % 40, y); };
    for (int x = 105; x <= 534; x += 7)
        for (int y = 0; y <= 236; y += 5) ASSERT_FALSE(on(lift, x, y)) << "lift shaft " << x << "," << y;
    for (int y = 0; y < 480; y += 9) EXPECT_TRUE(on(lift, 30, y)) << y;
    const media::Image* board = Need("Data/Graphics/Levels/Vxc/Boardroom.png");
    for (int x : {300, 340, 400, 470, 540, 600, 630}) EXPECT_FALSE(on(board, x, 120)) << x;
    for (int x : {365, 436, 507, 585}) EXPECT_TRUE(on(board, x, 120)) << "mullion " << x;
    EXPECT_TRUE(on(board, 100, 120));
    const media::Image* store = Need("Data/Graphics/Levels/Factory/Storage.png");
    for (int x = 0; x < 640; x += 3)
        for (int y = 0; y < 480; y += 3) ASSERT_TRUE(on(store, x, y)) << "storage " << x << "," << y;
    const media::Image* grave = Need("Data/Graphics/Levels/Graveyard/Graveyard.png");
    for (int x = 0; x < 2560; x += 37) EXPECT_FALSE(on(grave, x, 60)) << x;
    // Every section's walkable floor is solid.
    for (int i = dg::kManifestCount; i < dg::kFileCount; ++i) {
        const media::Image* s = LoadPicture(dg::kFiles[i]);
        ASSERT_NE(s, nullptr);
        for (int x = 0; x < s->frameCount * 40; x += 13)
            for (int y = 240; y < 480; y += 11) ASSERT_TRUE(on(s, x, y)) << dg::kFiles[i].path << " " << x << "," << y;
    }
    // The shop windows' glass is painted dark for the reflections drawn over it.
    const media::Image* gas = Need("Data/Graphics/Levels/Street/GasStation.png");
    for (int x : {20, 1571, 1979}) {
        const int px = x + 60, py = 166;
        const uint8_t* p = gas->FrameRgba(px / 40) + 4 * (static_cast<size_t>(py) * 40 + px % 40);
        EXPECT_LT(p[0] + p[1] + p[2], 120) << x;
    }
}

TEST(Voice, EndSceneLineFitsTheTalkingMouth) {
    media::Sound s;
    ASSERT_TRUE(LoadSound(*Spec("Data/Audio/Voice/prime.wav"), s));
    auto energy = [&](double a, double b) {
        double e = 0;
        for (int64_t k = static_cast<int64_t>(a * 44100); k < static_cast<int64_t>(b * 44100) && k < s.Frames(); ++k)
            e += std::abs(static_cast<double>(s.samples[k]));
        return e / ((b - a) * 44100);
    };
    // Speech inside the three mouth windows, quiet between them.
    for (auto w : {std::pair{0.1, 1.2}, std::pair{2.1, 3.0}, std::pair{4.1, 4.7}}) EXPECT_GT(energy(w.first, w.second), 300.0);
    EXPECT_LT(energy(1.45, 1.95), 60.0);
    EXPECT_LT(energy(3.25, 3.95), 60.0);
}
