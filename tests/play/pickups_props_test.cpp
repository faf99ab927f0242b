// Pickups and destructible props: the item placement, what each item does,
// breaking, burning away, and bullets against props.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "media.h"
#include "media_internal.h"
#include "play/pickups.h"
#include "play/props.h"
#include "play/stage_data.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

class Items : public ::testing::Test {
protected:
    void SetUp() override {
        playtest::NewGame(1);
        EmptyActorTables();
        for (int32_t slot = 0; slot < SfxChannelCount; ++slot) StopChannel(SfxChannels[slot]);
        CameraX = SlowMotion = SlowMotionTick = PropBurnTick = HeroLane = HeroJumpPhase = 0;
        StageLength = 5400, HeroX = 300, HeroFootY = 278, HitFlashX = HitFlashY = -50;
    }
    // Effect numbers playing in the pool, sorted.
    static std::vector<int32_t> Sfx() {
        std::vector<int32_t> out;
        for (int32_t slot = 0; slot < SfxChannelCount; ++slot) {
            const media::ChannelInfo c = media::QueryChannel(SfxChannels[slot]);
            for (int32_t n = 0; n < SfxSoundCount && c.busy; ++n) {
                if (SfxSounds[n] != 0 && SfxSounds[n] == c.sound) out.push_back(n);
            }
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    static void Collect(int32_t kind) {
        PickupKind[3] = kind, PickupX[3] = HeroX + 5, PickupY[3] = HeroFootY;
        UpdatePickups();
        EXPECT_EQ(PickupKind[3], -1);
    }
    static void PutProp(int32_t slot, int32_t frame, int32_t x) {
        PropFrame[slot] = frame, PropX[slot] = x, PropY[slot] = 150;
    }
    // A live bullet whose pixels meet prop 0, its lane line at `line`; the
    // generator then gives a glancing coin (RandomInt(0, 1) = 1).
    static void AimAtProp(int32_t bullet, int32_t kind, int32_t line, int32_t dir = 4) {
        BulletActive[bullet] = 1, BulletKind[bullet] = kind, BulletDir[bullet] = dir;
        for (int32_t d = 0; d < 60 * 56; ++d) {
            BulletX[bullet] = PropX[0] + d % 56, BulletY[bullet] = PropY[0] + d / 56;
            if (ImagesOverlap(BulletsImage, BulletX[bullet], BulletY[bullet], dir, DestructablesImage, PropX[0],
                              PropY[0], PropFrame[0])) break;
        }
        BulletLane[bullet] = line - BulletY[bullet] + 74;
        int32_t seed = 1;
        while (SeedRandom(seed), RandomInt(0, 1) != 1) ++seed;
        SeedRandom(seed);
    }
};

TEST_F(Items, BrokenPropsDropTheirStagesItemsWithOneDrawEach) {
    // stage, prop slot, the prop's x in its stage list, item (-2: random ammunition).
    const int32_t drops[][4] = {{1, 7, 4667, 9},  {1, 23, 2350, 6}, {2, 28, 2806, 0}, {4, 0, 330, -2},
                                {7, 5, 1052, 1},  {9, 0, 0, -2},    {11, 0, 550, 8},  {16, 17, 200, 9}};
    for (const auto& d : drops) {
        StageNumber = d[0];
        LoadStageDestructables();
        EXPECT_EQ(PropX[d[1]], d[2]) << "stage " << d[0] << ", prop " << d[1];
        EXPECT_EQ(DropTableEntry(d[0], d[1]), d[3]) << "stage " << d[0] << ", prop " << d[1];
    }
    for (int32_t slot = 0; slot < PropSlots; ++slot) {
        EXPECT_EQ(DropTableEntry(3, slot), -1) << "prop " << slot;
        EXPECT_EQ(DropTableEntry(21, slot), -1) << "prop " << slot;
    }

    // One draw per drop, listed or not; an unlisted prop leaves the slot free.
    StageNumber = 1;
    std::vector<int32_t> seen;
    for (int32_t seed = 35797; seed < 60 * 35797; seed += 35797) {
        EmptyPickupTable();
        SeedRandom(seed);
        const int32_t r = RandomInt(2, 4);
        RandomInt(2, 4);
        const int32_t twoDraws = RandomState();
        SeedRandom(seed);
        DropPickup(21, 1000, 200);
        DropPickup(0, 500, 150);
        EXPECT_EQ(RandomState(), twoDraws);
        EXPECT_EQ(PickupKind[0], r == 4 ? 7 : r) << "seed " << seed;
        EXPECT_EQ(PickupX[0], 1016) << "seed " << seed;
        EXPECT_EQ(PickupY[0], 208) << "seed " << seed;
        EXPECT_EQ(PickupKind[1], -1);
        seen.push_back(PickupKind[0]);
    }
    for (const int32_t kind : {2, 3, 7}) EXPECT_NE(std::count(seen.begin(), seen.end(), kind), 0);
    // The special turns into ammunition while one is in hand.
    SpecialReady = 1;
    DropPickup(7, 4667, 200);
    EXPECT_TRUE(PickupKind[1] == 2 || PickupKind[1] == 3 || PickupKind[1] == 7) << "kind " << PickupKind[1];
}

TEST_F(Items, EachItemDoesItsOwnThing) {
    Lives = 3, HeroEnergy = 90;
    Collect(0);
    EXPECT_EQ(Lives, 4);
    EXPECT_EQ(HeroEnergy, 100);
    EXPECT_EQ(Sfx(), std::vector<int32_t>{7});
    HeroEnergy = 50;
    Collect(0);
    Collect(1);
    EXPECT_EQ(HeroEnergy, 90);

    AmmoWeapon1 = 5, AmmoWeapon2 = 60, AmmoWeapon5 = 80, AutoSelectWeapon = 0;
    Collect(2);
    EXPECT_EQ(AmmoWeapon1, 99);
    EXPECT_EQ(HeroWeapon, 0);  // the player keeps his weapon
    AutoSelectWeapon = 1;
    Collect(3);
    EXPECT_EQ(AmmoWeapon2, 75);
    EXPECT_EQ(HeroWeapon, 2);
    Collect(3);
    Collect(3);
    EXPECT_EQ(AmmoWeapon2, 99);
    Collect(7);
    EXPECT_EQ(AmmoWeapon5, 99);
    EXPECT_EQ(HeroWeapon, 5);
    StageNumber = 21;
    Collect(7);
    Collect(9);
    EXPECT_EQ(AmmoWeapon5, 1);
    EXPECT_EQ(SpecialReady, 1);
    EXPECT_EQ(PowerUpCount, 7);
    EXPECT_EQ(Sfx().back(), 8);

    TimeLeft = 60;
    Collect(6);
    EXPECT_EQ(TimeLeft, 99);
    EXPECT_EQ(media::QueryChannel(BeepChannel).sound, CompBeepSound);
    // Slow motion, also over a running one, from the full 50 periods, with the
    // power-down sound on a channel of its own.
    for (const int32_t left : {0, 3}) {
        SlowMotion = left == 0 ? 0 : 4, SlowMotionLeft = SlowCharge = left;
        const int32_t channels = media::LiveChannelCount();
        const std::vector<int32_t> pool = Sfx();
        Collect(8);
        EXPECT_EQ(SlowMotion, 4) << "left " << left;
        EXPECT_EQ(SlowCharge, 50) << "left " << left;
        EXPECT_EQ(SlowMotionLeft, 50) << "left " << left;
        EXPECT_EQ(media::LiveChannelCount(), channels + 1);
        EXPECT_EQ(Sfx(), pool);
    }
    // A falling item drifts away from the hero but never left of x 30.
    PickupKind[0] = 1, PickupX[0] = 31, PickupY[0] = 104;
    for (int32_t t = 0; t < 8; ++t) UpdatePickups();
    EXPECT_EQ(PickupX[0], 30);
    EXPECT_EQ(PickupY[0], 120);
}

TEST_F(Items, EveryPropBreaksWithItsOwnSoundAndEffectAndBurnsAway) {
    // Intact frame, its sound, and its explosion: kind, x, y (glass makes debris instead).
    const int32_t rows[][5] = {{0, 23, 0, 0, 0},     {2, 21, 0, 0, 0},      {4, 21, 4, 212, 119},  {6, 22, 0, 0, 0},
                               {8, 12, 5, 214, 180}, {10, 21, 4, 212, 119}, {12, 12, 5, 214, 180}, {14, 21, 0, 0, 0},
                               {16, 22, 0, 0, 0},    {18, 22, 0, 0, 0},     {20, 12, 5, 214, 164}, {22, 22, 0, 0, 0}};
    for (const auto& r : rows) {
        SetUp();
        PutProp(7, r[0], 200);
        HitProp(7);
        std::vector<int32_t> sounds{r[1]};
        if (r[2] != 0) sounds.push_back(r[2] == 4 ? 36 : 39);
        std::sort(sounds.begin(), sounds.end());
        EXPECT_EQ(Sfx(), sounds) << "frame " << r[0];
        EXPECT_EQ(ExplosionKind[0], r[2]) << "frame " << r[0];
        EXPECT_EQ(ExplosionX[0], r[3]) << "frame " << r[0];
        EXPECT_EQ(ExplosionY[0], r[4]) << "frame " << r[0];
        EXPECT_EQ(PropFrame[7], r[0] + 1) << "frame " << r[0];
        EXPECT_EQ(DebrisFrame[0], r[0] == 0 ? 0 : -1) << "frame " << r[0];
        EXPECT_EQ(PickupKind[0], 9) << "frame " << r[0];  // stage 1, slot 7: the special
        EXPECT_EQ(PickupX[0], 216) << "frame " << r[0];
    }
    // The two-part prop (slot 1 showing 16, slot 2 showing 18) breaks as a whole;
    // only the half that was hit sounds and draws for a pickup.
    SetUp();
    PutProp(1, 16, 100), PutProp(2, 18, 140);
    SeedRandom(77);
    RandomInt(2, 4);
    const int32_t oneDraw = RandomState();
    SeedRandom(77);
    HitProp(2);
    HitProp(1);  // a wreck now: nothing
    EXPECT_EQ(PropFrame[1], 17);
    EXPECT_EQ(PropFrame[2], 19);
    EXPECT_EQ(Sfx(), std::vector<int32_t>{22});
    EXPECT_EQ(RandomState(), oneDraw);

    // Wrecks burn on one shared counter, every tick, slow motion or not; glass lies still.
    SetUp();
    PutProp(0, 3, 400), PutProp(1, 1, 500), PutProp(2, 6, 600);
    SlowMotion = 4, SlowMotionTick = 2;
    int32_t ticks = 0;
    for (; PropFrame[1] != -1; ++ticks) {
        UpdateSceneryObjects();
        if (PropFrame[1] != -1) {
            EXPECT_EQ(PropX[1], 500) << "tick " << ticks;
        }
    }
    EXPECT_EQ(ticks, 13);  // both count: slot 1 takes it past 25
    EXPECT_EQ(PropFrame[0], 3);
    for (; PropFrame[0] != -1; ++ticks) UpdateSceneryObjects();
    EXPECT_EQ(ticks, 39);
    EXPECT_EQ(PropFrame[2], 6);
    EXPECT_EQ(PropX[2], 600);
}

TEST_F(Items, BulletsStrikePropsOnlyInsideTheBand) {
    for (const int32_t line : {199, 200, 210, 211}) {
        SetUp();
        PutProp(0, 2, 400);
        AimAtProp(5, 0, line);
        const int32_t x = BulletX[5], y = BulletY[5];
        UpdateSceneryObjects();
        const bool in = line >= 200 && line <= 210;  // a glance: flash, ricochet, a normal bullet used up
        EXPECT_EQ(HitFlashX, in ? x - 6 : -50) << "line " << line;
        EXPECT_EQ(HitFlashY, in ? y - 4 : -50) << "line " << line;
        EXPECT_EQ(BulletActive[5], in ? 0 : 1) << "line " << line;
        const std::vector<int32_t> sounds = Sfx();
        EXPECT_EQ(sounds.size(), in ? 1u : 0u) << "line " << line;
        if (in && sounds.size() == 1) {
            EXPECT_TRUE(sounds[0] == 17 || sounds[0] == 18) << "line " << line << ": sound " << sounds[0];
        }
    }
    // On a glancing coin: frames 0, 6, 8 and explosive rounds break the prop,
    // others glance (silently while a wreck burns); a missile breaks with a
    // blast and flies on, like a piercing round, to break the next prop too.
    const int32_t cases[][5] = {{0, 0, 1, 0, 0}, {8, 0, 1, 0, 0}, {2, 4, 1, 0, 1}, {6, 2, 1, 1, 2}, {0, 1, 1, 1, 0},
                                {2, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        SetUp();
        PutProp(0, c[0], 400), PutProp(1, c[0], 400);
        PropBurnTick = 3;
        AimAtProp(9, c[1], 205);
        UpdateSceneryObjects();
        SCOPED_TRACE("prop frame " + std::to_string(c[0]) + ", bullet kind " + std::to_string(c[1]));
        EXPECT_EQ(PropFrame[0], c[0] + c[2]);
        EXPECT_EQ(PropFrame[1], c[0] + c[3]);
        EXPECT_EQ(BulletActive[9], c[3]);
        EXPECT_EQ(std::count(ExplosionKind, ExplosionKind + ExplosionSlots, 1), c[4]);
        EXPECT_EQ(HitFlashX, -50);
        if (c[2] == 0) {
            EXPECT_EQ(Sfx(), std::vector<int32_t>{});  // a silent glance
        }
    }
}

TEST_F(Items, TheClimbingMissileHandsItsTurnToTheNextSlotEvenAtTheEnd) {
    // 98 is passed over and 99 takes its turn like any bullet (no blast for a
    // climbing missile); 99's own turn never comes.
    PutProp(0, 0, 400);
    AimAtProp(98, 2, 205, 0);
    AimAtProp(99, 2, 205, 0);
    UpdateSceneryObjects();
    EXPECT_EQ(PropFrame[0], 1);
    EXPECT_EQ(std::count(ExplosionKind, ExplosionKind + ExplosionSlots, 1), 0);
    // Passed over in the last slot: nothing after it to take.
    SetUp();
    PutProp(0, 0, 400);
    AimAtProp(99, 2, 205, 0);
    UpdateSceneryObjects();
    EXPECT_EQ(PropFrame[0], 0);
    EXPECT_EQ(BulletActive[99], 1);
}

}  // namespace
