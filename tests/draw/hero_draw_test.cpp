// The hero's sprite: the cells drawn in each state, the lying body's write of
// HeroFootY, the flying helmet and the muzzle flash.
#include <string>
#include <utility>
#include <vector>

#include "draw/hero.h"
#include "draw_fixture.h"

namespace drawtest {
namespace {

using Cell = std::pair<int32_t, int32_t>;  // HeroImages entry, frame
using Cells = std::vector<Cell>;

class HeroDraw : public DrawScene {
protected:
    void SetUp() override {
        DrawScene::SetUp();
        for (int32_t i = 0; i < HeroImageCount; ++i) HeroImages[i] = StubImage("hero" + std::to_string(i), 32);
        HeroX = 300, CameraX = -100, HeroFootY = 278, HeroLane = -20, HeroFacing = 1, HeroWalkStep = 3;
        HeroState = HeroStateSaved = HeroPose = HeroTorsoFrame = HeroAnimStep = MuzzleFlash = HeroWeapon = 0;
        HeroEnergy = 100;
        HelmetOn = 1;
        HelmetState = HelmetY = VoiceChannel = 0;
    }
    // The hero cells one DrawHero draws, in order.
    static Cells Drawn() {
        headless::ClearDrawCalls();
        DrawHero();
        Cells cells;
        for (const DrawCall& c : Draws()) {
            for (int32_t i = 0; i < HeroImageCount; ++i) {
                if (c.image == HeroImages[i]) cells.emplace_back(i, c.frame);
            }
        }
        return cells;
    }
};

TEST_F(HeroDraw, CellsByStateHelmetAndFacing) {
    HeroTorsoFrame = 2;
    EXPECT_EQ(Drawn(), (Cells{{1, 3}, {3, 2}}));  // legs, torso
    EXPECT_EQ(Draws().front().x, 200.0f);
    EXPECT_EQ(Draws().front().y, 278.0f - 20 + 74);
    HelmetOn = 0, HeroFacing = 0;
    EXPECT_EQ(Drawn(), (Cells{{0, 3}, {2, 9}}));  // bare-headed torso: +7
    HeroState = 5, HeroAnimStep = 4;
    EXPECT_EQ(Drawn(), (Cells{{8, 20}}));  // gun draw, bare-headed: +16
    HelmetOn = 1, HeroState = 7, HeroAnimStep = 16;
    EXPECT_EQ(Drawn(), (Cells{{8, 0}}));  // a step outside 0..15 counts as 0
    HeroState = -1, HeroAnimStep = -1;
    EXPECT_EQ(Drawn(), (Cells{{8, 0}}));  // Rest: no legs
    HeroStateSaved = -1, HeroState = 8;
    EXPECT_EQ(Drawn(), (Cells{{9, 0}}));  // hurt while resting
    HeroState = 9, HeroAnimStep = 20, HeroEnergy = 0;
    EXPECT_EQ(Drawn(), (Cells{{10, 0}, {4, 0}}));  // dying from rest: no torso
    HeroStateSaved = 3, HeroState = 8, HeroTorsoFrame = 5;
    EXPECT_EQ(Drawn(), (Cells{{4, 0}, {2, 5}}));  // hurt while ducking kneels
    HeroStateSaved = 0, HeroState = 11, HeroWalkStep = 8;
    EXPECT_EQ(Drawn(), (Cells{{0, 8}, {2, 5}}));  // the special: legs and torso
}

TEST_F(HeroDraw, LyingBodySetsTheFeetAndTheHelmetFliesAtItsScreenPoint) {
    HeroState = 9, HeroAnimStep = 21, HeroEnergy = 5;  // the clock ran out: no body
    EXPECT_TRUE(Drawn().empty());
    HeroEnergy = 0, HeroAnimStep = 32;
    HelmetState = 3, HelmetX = 250, HelmetY = 300, HelmetFrame = 5;
    const int32_t random = RandomState();
    EXPECT_EQ(Drawn(), (Cells{{15, 7}, {16, 5}}));
    EXPECT_EQ(RandomState(), random);  // no flash, no voice: nothing rolled
    EXPECT_EQ(HeroFootY, 302);
    EXPECT_EQ(Draws()[0].x, 175.0f);
    EXPECT_EQ(Draws()[1].x, 150.0f);
    EXPECT_EQ(Draws()[1].y, 300.0f);
    HeroFacing = 0, HeroAnimStep = 40, HelmetY = 0;
    EXPECT_EQ(Drawn(), (Cells{{15, 4}}));
}

TEST_F(HeroDraw, MuzzleFlashRunsTenFramesShowingOneOfItsTwoCellsAtTheMuzzle) {
    HeroPose = 7;
    int32_t frames = 0, shown = 0;
    for (int32_t run = 0; run < 100; ++run) {
        MuzzleFlash = 1;
        for (; MuzzleFlash != 0 && frames < 10000; ++frames) {
            Drawn();
            for (const DrawCall& c : Draws(FiregunImage)) {
                ++shown;
                EXPECT_TRUE(c.frame == 6 || c.frame == 13) << c.frame;
                EXPECT_EQ(c.x, 200.0f + 61);
                EXPECT_EQ(c.y, 278.0f - 20 + 74 - 13);
                EXPECT_EQ(c.blend, BlendLight);
            }
        }
    }
    EXPECT_EQ(frames, 1000);
    EXPECT_NEAR(shown, 1000 / 6, 50);
    EXPECT_TRUE(StateIsResting());
    HeroWeapon = 5, MuzzleFlash = 1;  // heavy weapons show none; the counter still runs
    for (int32_t f = 0; f < 10; ++f) {
        EXPECT_GE(Drawn().size(), 2u) << "frame " << f;
        EXPECT_EQ(Draws(FiregunImage).size(), 0u) << "frame " << f;
    }
    EXPECT_EQ(MuzzleFlash, 0);
}

}  // namespace
}  // namespace drawtest
