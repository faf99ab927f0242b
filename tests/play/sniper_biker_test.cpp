// The sniper and the biker: aiming and firing, riding, turning and ramming,
// their deaths call by call, and how slow motion stretches them.
#include <gtest/gtest.h>

#include <vector>

#include "enemy_fixture.h"
#include "media.h"
#include "media_internal.h"
#include "play/biker.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/sniper.h"
#include "play/spawning.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace enemytest {
namespace {

using Sniper = EnemyScene;
using Biker = EnemyScene;
using SlowKinds = EnemyScene;

void PutSniper(int32_t slot, int32_t x) {
    EnemyKind[slot] = 0;
    EnemyX[slot] = x;
    EnemyY[slot] = 239;
    EnemyLane[slot] = -150;
    EnemyDrift[slot] = 0;
    EnemyState[slot] = 0;
    EnemyFacing[slot] = 0;
    EnemyFrame[slot] = 0;
    EnemyHealth[slot] = 2;
    EnemyShotCount[slot] = -1;
    EnemyShotLatch[slot] = 0;
}

void PutBiker(int32_t slot, int32_t x, int32_t lane, int32_t state) {
    EnemyKind[slot] = 4;
    EnemyX[slot] = x;
    EnemyY[slot] = 258;
    EnemyLane[slot] = lane;
    EnemyDrift[slot] = 0;
    EnemyState[slot] = state;
    EnemyFacing[slot] = state == 1 ? 1 : 0;
    EnemyFrame[slot] = state == 1 ? 0 : 2;
    EnemyHealth[slot] = 3;
    EnemyShotCount[slot] = -1;
    EnemyShotLatch[slot] = 0;
}

int32_t LiveBullets() {
    int32_t n = 0;
    for (int32_t slot = 0; slot < BulletSlots; ++slot) n += BulletActive[slot];
    return n;
}

void StopAllSfx() {
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) StopChannel(SfxChannels[slot]);
}

// Whether effect `n` is playing in the pool.
bool SfxPlaying(int32_t n) {
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) {
        const media::ChannelInfo c = media::QueryChannel(SfxChannels[slot]);
        if (c.busy && SfxSounds[n] != 0 && c.sound == SfxSounds[n]) return true;
    }
    return false;
}

int32_t CorpsesLeft() {
    int32_t n = 0;
    for (int32_t i = 0; i < CorpseSlots; ++i) n += CorpseKind[i] >= 0 ? 1 : 0;
    return n;
}

// ================================================================== sniper

TEST_F(Sniper, AimsWhereTheHeroStandsShowsItOneCallLateAndLooksAwayPast320) {
    PutSniper(0, 1000);
    EnemyShotLatch[0] = 1;  // keep him from firing
    struct Step {
        int32_t heroX, state, frame;
    };
    const std::vector<Step> steps = {
        {959, 0, 0},  {960, 1, 0},  {960, 1, 1},  {1040, 1, 1}, {1041, 2, 1},
        {1041, 2, 2}, {1320, 2, 2}, {1321, 2, 9}, {680, 0, 2},  {679, 0, 8},
    };
    for (const Step& s : steps) {
        HeroX = s.heroX;
        UpdateSniper(0);
        EXPECT_EQ(EnemyState[0], s.state) << "hero at " << s.heroX;
        EXPECT_EQ(EnemyFrame[0], s.frame) << "hero at " << s.heroX;
    }
    EXPECT_EQ(EnemyX[0], 1000);
    EXPECT_EQ(EnemyY[0] + EnemyLane[0], 89);

    // Out of range (320 px or more) he draws nothing and fires nothing, with
    // his latch open; just inside he draws once per call.
    EnemyShotLatch[0] = 0;
    for (int32_t heroX : {680, 1320, 300, 1700}) {
        HeroX = heroX;
        const int32_t before = RandomState();
        UpdateSniper(0);
        EXPECT_EQ(RandomState(), before) << "hero at " << heroX;
    }
    EXPECT_EQ(LiveBullets(), 0);
    EnemyShotLatch[0] = 1;
    HeroX = 681;
    const int32_t before = RandomState();
    UpdateSniper(0);
    const int32_t after = RandomState();
    SeedRandom(before);
    RandomInt(0, 1);
    EXPECT_EQ(RandomState(), after);
}

TEST_F(Sniper, FiresBurstsOfThreeDownTowardTheHeroThenWaitsForTheCountToRunOut) {
    struct Aim {
        int32_t heroX, x, y, dir;
    };
    // Drawn height 89: down-left, straight down, down-right.
    for (const Aim& a : {Aim{900, 998, 122, 10}, Aim{1030, 1024, 133, 8}, Aim{1100, 1051, 122, 6}}) {
        EmptyBulletTable();
        EmptyShellCasingTable();
        EmptyEnemyTable();
        SeedRandom(12345);
        PutSniper(4, 1000);
        HeroX = a.heroX;
        std::vector<int32_t> shots;
        for (int32_t t = 0; t < 1200; ++t) {
            const int32_t before = LiveBullets();
            EnemyTick();
            if (LiveBullets() == before) continue;
            // The n-th shot of a burst leaves the count at n - 1 and the latch shut.
            EXPECT_EQ(EnemyShotCount[4], static_cast<int32_t>(shots.size() % 3));
            EXPECT_EQ(EnemyShotLatch[4], 1);
            shots.push_back(t);
        }
        ASSERT_EQ(BulletActive[0], 1);
        EXPECT_EQ(BulletOwner[0], 5);
        EXPECT_EQ(BulletX[0], a.x);
        EXPECT_EQ(BulletY[0], a.y);
        EXPECT_EQ(BulletDir[0], a.dir);
        EXPECT_EQ(BulletKind[0], 0);
        EXPECT_EQ(BulletLane[0], 125);

        // Within a burst the latch goes round three refire ticks (110 ms
        // each) between shots; the bursts wait for the count to climb from
        // 2 past 29, 28 refire ticks.
        ASSERT_GE(shots.size(), 6u) << "hero at " << a.heroX;
        for (size_t i = 1; i < shots.size(); ++i) {
            const int32_t gap = shots[i] - shots[i - 1];
            if (i % 3 == 0) {
                EXPECT_GE(gap, 27 * 11) << "burst gap " << i;
            } else {
                EXPECT_GE(gap, 2 * 11) << "shot gap " << i;
                EXPECT_LT(gap, 27 * 11) << "shot gap " << i;
            }
        }
    }
}

TEST_F(Sniper, FallsBleedsLandsFlickersAndLeavesACorpseOnHisCallTimeline) {
    HeroX = 700;  // in range: a dying sniper still never fires
    PutSniper(3, 500);
    EnemyState[3] = 100;
    UpdateSniper(3);  // the kill call
    EXPECT_EQ(EnemiesKilled, 1);
    EXPECT_EQ(StageKills, 1);
    EXPECT_EQ(EnemyState[3], 101);
    EXPECT_EQ(EnemyFrame[3], 3);
    EXPECT_EQ(EnemyY[3], 239);

    int32_t lastFall = -1, landing = -1, thud = -1, shakeOff = -1, firstFlicker = -1, freed = -1;
    std::vector<int32_t> dropHeights;
    for (int32_t call = 1; call <= 400 && freed < 0; ++call) {
        const int32_t y = EnemyY[3];
        const int32_t state = EnemyState[3];
        ScreenShake = 2;  // another shake running
        StopAllSfx();
        UpdateSniper(3);
        if (EnemyKind[3] == -1) {
            freed = call;
            break;
        }
        if (EnemyY[3] != y) lastFall = call;
        if (ScreenShake == 1 && landing < 0) landing = call;
        if (ScreenShake == 0 && shakeOff < 0) shakeOff = call;
        if (EnemyState[3] == state + 2) {
            thud = call;
            EXPECT_TRUE(SfxPlaying(20));
        }
        if (EnemyFrame[3] == 6 && firstFlicker < 0) firstFlicker = call;
        if (call < 50) { EXPECT_EQ(EnemyFrame[3], 3); }
        if (call >= 50 && call < 199) { EXPECT_EQ(EnemyFrame[3], 5); }
        if (call >= 199) { EXPECT_TRUE(EnemyFrame[3] == 5 || EnemyFrame[3] == 6); }
    }
    EXPECT_EQ(lastFall, 50);
    EXPECT_EQ(landing, 50);
    EXPECT_EQ(thud, 54);
    EXPECT_EQ(shakeOff, 64);
    EXPECT_GE(firstFlicker, 199);
    EXPECT_LT(firstFlicker, 230);
    EXPECT_EQ(freed, 299);
    EXPECT_EQ(LiveBullets(), 0);

    // Twenty drops, one per call at heights 90..109, around his middle.
    int32_t drops = 0;
    for (int32_t i = 0; i < BloodDropSlots; ++i) {
        if (BloodDropAge[i] == -1) continue;
        EXPECT_EQ(BloodDropY[i], 90 + i);
        EXPECT_GE(BloodDropX[i], 510);
        EXPECT_LE(BloodDropX[i], 530);
        ++drops;
    }
    EXPECT_EQ(drops, 20);

    EXPECT_EQ(CorpseKind[0], 0);
    EXPECT_EQ(CorpseX[0], 500);
    EXPECT_EQ(CorpseY[0], 139);
    EXPECT_TRUE(CorpseFrame[0] == 5 || CorpseFrame[0] == 6);
    EXPECT_EQ(CorpsesLeft(), 1);
    EXPECT_EQ(EnemyFacing[3], 0);
    EXPECT_EQ(EnemyShotCount[3], -1);
    EXPECT_EQ(StageKills, 1);
}

TEST_F(Sniper, IsKilledThroughThePassAndDroppedFarBehindLikeAnyOther) {
    PutSniper(0, 500);
    PutSniper(1, 600);
    EnemyShotLatch[0] = EnemyShotLatch[1] = 5;
    EnemyHealth[0] = 0;
    HeroX = 1300;  // 800 px past the first, 700 past the second
    EnemyTick();
    EXPECT_EQ(EnemyState[0], 100);  // killed after his routine ran
    EnemyTick();
    EXPECT_EQ(EnemyState[0], 101);
    EXPECT_EQ(StageKills, 1);

    HeroX = 1401;  // 801 px past the second
    EnemyTick();
    EXPECT_EQ(EnemyKind[1], -1);
    EXPECT_EQ(EnemyX[1], -1);
    EXPECT_EQ(EnemyKind[0], -1);  // the dying one too
    EXPECT_EQ(StageKills, 1);
    EXPECT_EQ(CorpsesLeft(), 0);
}

// ================================================================== biker

TEST_F(Biker, RidesThreePixelsATickDriftingTowardTheHeroUntilHeIsPassed) {
    // Riding left above the hero's line (feet 258 - 100 + 137 = 295 < 395).
    HeroX = 200;
    PutBiker(0, 600, -100, 0);
    EnemyDrift[0] = 1;
    EnemyFacing[0] = 1;
    EnemyFrame[0] = 0;
    const int32_t seed = RandomState();
    int32_t calls = 0;
    while (EnemyDrift[0] == 1 && calls < 200) {
        EnemyTick();
        ++calls;
        EXPECT_EQ(EnemyX[0], 600 - 3 * calls);
        EXPECT_EQ(EnemyFacing[0], 0);
        EXPECT_TRUE(EnemyFrame[0] == 2 || EnemyFrame[0] == 3);
    }
    // Drift stops on the call that starts at x 267, below HeroX + 70.
    EXPECT_EQ(calls, 112);
    EXPECT_EQ(EnemyLane[0], -100 + 56);
    for (int32_t t = 0; t < 60; ++t) EnemyTick();
    EXPECT_EQ(EnemyLane[0], -44);  // no switching back on while riding
    EXPECT_EQ(EnemyDrift[0], 0);
    EXPECT_EQ(EnemyX[0], 600 - 3 * 172);
    EXPECT_EQ(RandomState(), seed);  // an unhurt biker draws nothing

    // Riding right below the hero's line drifts up, off once past HeroX - 20.
    EmptyEnemyTable();
    HeroX = 600;
    PutBiker(1, 300, 60, 1);
    EnemyDrift[1] = 1;
    calls = 0;
    while (EnemyDrift[1] == 1 && calls < 200) {
        EnemyTick();
        ++calls;
        EXPECT_EQ(EnemyFacing[1], 1);
        EXPECT_TRUE(EnemyFrame[1] == 0 || EnemyFrame[1] == 1);
    }
    EXPECT_EQ(calls, 95);  // starts the call at x 582
    EXPECT_EQ(EnemyX[1], 585);
    EXPECT_LT(EnemyLane[1], 60);
}

TEST_F(Biker, TurnsOnlyFarOffScreenOrAtTheSectionsEndsWithTheEngineRoar) {
    // Brought in behind the hero: he still rides left, until screen x < -260.
    CameraX = -1000;
    HeroX = 1200;
    SpawnEnemy(4, 895, 120, 1);
    ASSERT_EQ(EnemyKind[0], 4);
    EXPECT_EQ(EnemyState[0], 0);
    EXPECT_EQ(EnemyY[0], 258);
    EXPECT_EQ(EnemyHealth[0], 3);
    int32_t turned = -1;
    for (int32_t call = 1; call <= 100 && turned < 0; ++call) {
        StopAllSfx();
        UpdateBiker(0);
        if (EnemyState[0] == 1) {
            turned = call;
            EXPECT_TRUE(SfxPlaying(40));
        } else {
            EXPECT_FALSE(SfxPlaying(40));
        }
    }
    EXPECT_EQ(turned, 52);
    EXPECT_EQ(EnemyX[0], 739);

    // Riding right he goes on to screen x 790, and turns back left.
    turned = -1;
    for (int32_t call = 1; call <= 400 && turned < 0; ++call) {
        StopAllSfx();
        UpdateBiker(0);
        if (EnemyState[0] == 0) turned = call;
    }
    EXPECT_EQ(turned, 351);
    EXPECT_EQ(EnemyX[0], 1792);
    EXPECT_TRUE(SfxPlaying(40));

    // Already riding left beyond screen right: the test rolls the drift but
    // changes nothing, so no roar.
    PutBiker(0, 2000, 0, 0);
    StopAllSfx();
    const int32_t before = RandomState();
    UpdateBiker(0);
    EXPECT_EQ(EnemyState[0], 0);
    EXPECT_NE(RandomState(), before);
    EXPECT_FALSE(SfxPlaying(40));

    // The section's ends: x is held at the limit.
    CameraX = 640 - StageLength;
    PutBiker(0, StageLength + 149, 0, 1);
    StopAllSfx();
    UpdateBiker(0);
    EXPECT_EQ(EnemyX[0], StageLength + 150);
    EXPECT_EQ(EnemyState[0], 0);
    EXPECT_TRUE(SfxPlaying(40));
    CameraX = 0;
    PutBiker(0, -253, 0, 0);
    UpdateBiker(0);
    EXPECT_EQ(EnemyX[0], -255);
    EXPECT_EQ(EnemyState[0], 1);
}

TEST_F(Biker, RamsEveryIntactPropOnScreenInHisPath) {
    struct P {
        int32_t frame, x, y, after;
    };
    // He rides from 500 to 497 before the test; his drawn height is 258.
    const std::vector<P> props = {
        {2, 540, 258, 3}, {4, 540, 278, 5},  // band PropY - 20 .. PropY
        {2, 540, 257, 2}, {2, 540, 279, 2},  // just outside it
        {1, 540, 260, 1}, {0, 540, 260, 0},  // glass never counts
        {2, 477, 260, 2}, {2, 478, 260, 3},  // PropX + 20 above 497
        {2, 577, 260, 2}, {2, 576, 260, 3},  // PropX - 80 below 497
    };
    for (size_t p = 0; p < props.size(); ++p) {
        PropFrame[p] = props[p].frame;
        PropX[p] = props[p].x;
        PropY[p] = props[p].y;
    }
    PutBiker(0, 500, 0, 0);
    UpdateBiker(0);
    for (size_t p = 0; p < props.size(); ++p) EXPECT_EQ(PropFrame[p], props[p].after) << "prop " << p;
    UpdateBiker(0);  // at 494 the window reaches the prop at 477
    EXPECT_EQ(PropFrame[6], 3);
    EXPECT_EQ(PropFrame[0], 3);

    // Off screen to the right a prop is left alone.
    EmptyPropTable();
    PropFrame[10] = 2, PropX[10] = 820, PropY[10] = 258;
    PutBiker(0, 800, 0, 0);
    UpdateBiker(0);
    EXPECT_EQ(PropFrame[10], 2);
    CameraX = -181;  // screen x 639
    PutBiker(0, 800, 0, 0);
    UpdateBiker(0);
    EXPECT_EQ(PropFrame[10], 3);

    // A crashing wreck rams nothing.
    PropFrame[11] = 2, PropX[11] = 840, PropY[11] = 258;
    PutBiker(0, 800, 0, 0);
    EnemyState[0] = 170;
    EnemyHealth[0] = 0;
    UpdateBiker(0);
    EXPECT_EQ(PropFrame[11], 2);
}

TEST_F(Biker, ExplodesFliesOnRisesDropsClangsBurnsAndVanishesWithoutACorpse) {
    PutBiker(2, 500, 0, 1);
    EnemyHealth[2] = 0;
    EnemyTick();  // rides on, then killed by the pass
    EXPECT_EQ(EnemyX[2], 503);
    EXPECT_EQ(EnemyState[2], 100);
    EnemyTick();  // the kill call
    EXPECT_EQ(EnemiesKilled, 1);
    EXPECT_EQ(StageKills, 1);
    EXPECT_EQ(EnemyState[2], 101);
    EXPECT_EQ(EnemyFrame[2], 4);
    EXPECT_EQ(EnemyFacing[2], 1);
    EXPECT_EQ(ExplosionKind[0], BigBlast);
    EXPECT_EQ(ExplosionX[0], 509);
    EXPECT_EQ(ExplosionY[0], 268);

    EnemyHealth[2] = -3;
    int32_t minY = 258, xAt58 = -1, xAt59 = -1, clang = -1, landing = -1, shakeOff = -1, firstFlicker = -1;
    int32_t freed = -1, lastX = -1, lastY = -1;
    for (int32_t call = 1; call <= 200 && freed < 0; ++call) {
        const int32_t state = EnemyState[2];
        ScreenShake = 2;
        StopAllSfx();
        UpdateBiker(2);
        if (EnemyKind[2] == -1) {
            freed = call;
            break;
        }
        EXPECT_EQ(EnemyHealth[2], 0);
        if (call <= 58) { EXPECT_EQ(EnemyX[2], 503 + 3 * call); }
        if (call == 58) xAt58 = EnemyX[2];
        if (call == 59) xAt59 = EnemyX[2];
        if (EnemyY[2] < minY) minY = EnemyY[2];
        if (call >= 60) { EXPECT_GE(EnemyY[2], lastY); }
        if (EnemyState[2] == state + 2) {
            clang = call;
            EXPECT_TRUE(SfxPlaying(21));
        }
        if (ScreenShake == 1 && landing < 0) landing = call;
        if (ScreenShake == 0 && shakeOff < 0) shakeOff = call;
        if (EnemyFrame[2] == 5 && firstFlicker < 0) firstFlicker = call;
        EXPECT_TRUE(EnemyFrame[2] == 4 || EnemyFrame[2] == 5);
        lastX = EnemyX[2];
        lastY = EnemyY[2];
    }
    EXPECT_EQ(xAt58, 677);
    EXPECT_EQ(xAt59, 677);
    EXPECT_LT(minY, 258);
    // Back down on the road, 3 px on for every pixel it fell.
    EXPECT_EQ(lastY, 258);
    EXPECT_EQ(lastX, 677 + 3 * (258 - minY));
    EXPECT_EQ(clang, 89);
    EXPECT_EQ(landing, 89);
    EXPECT_EQ(shakeOff, 99);
    EXPECT_GE(firstFlicker, 109);
    EXPECT_LT(firstFlicker, 140);
    EXPECT_EQ(freed, 149);
    EXPECT_EQ(EnemyX[2], -1);
    EXPECT_EQ(EnemyFacing[2], 1);
    EXPECT_EQ(CorpsesLeft(), 0);
    EXPECT_EQ(StageKills, 1);

    // One that was riding left shows the other wreck cells.
    PutBiker(3, 500, 0, 0);
    EnemyState[3] = 100;
    UpdateBiker(3);
    EXPECT_EQ(EnemyFrame[3], 6);
    EXPECT_EQ(EnemyFacing[3], 0);
    EnemyState[3] = 230;
    UpdateBiker(3);
    EXPECT_TRUE(EnemyFrame[3] == 6 || EnemyFrame[3] == 7);
}

TEST_F(Biker, SmokesOnceHurtAndHisWreckBurnsWithDrawsInOrder) {
    // Riding, hit once: one roll of 1 in 101 per call, then its height.
    int32_t seed = 1, dy = 0;
    for (;; ++seed) {
        SeedRandom(seed);
        if (RandomInt(0, 100) == 0) break;
    }
    dy = RandomInt(0, 10);
    int32_t expected = RandomState();
    SeedRandom(seed);
    PutBiker(0, 400, 10, 0);
    EnemyHealth[0] = 2;
    UpdateBiker(0);
    EXPECT_EQ(RandomState(), expected);
    EXPECT_EQ(ExplosionKind[0], Smoke);
    EXPECT_EQ(ExplosionX[0], 397 + 37);
    EXPECT_EQ(ExplosionY[0], 268 + dy);

    // The wreck on the road (no rise or fall): smoke roll, blast roll, then
    // the damage smoke, each position drawn x then y (then the blast's kind).
    EmptyExplosionTable();
    int32_t dx1 = 0, dy1 = 0, dx2 = 0, dy2 = 0, kind = 0, smoke = 0, dy3 = 0;
    for (seed = 1;; ++seed) {
        SeedRandom(seed);
        if (RandomInt(0, 10) != 0) continue;
        dx1 = RandomInt(30, 40);
        dy1 = RandomInt(0, 10);
        if (RandomInt(0, 10) == 0) break;
    }
    dx2 = RandomInt(-20, 60);
    dy2 = RandomInt(0, 10);
    kind = RandomInt(1, 3);
    smoke = RandomInt(0, 100);
    if (smoke == 0) dy3 = RandomInt(0, 10);
    expected = RandomState();
    SeedRandom(seed);
    PutBiker(1, 400, 10, 0);
    EnemyState[1] = 165;
    EnemyHealth[1] = 0;
    UpdateBiker(1);
    EXPECT_EQ(EnemyX[1], 400);
    EXPECT_EQ(RandomState(), expected);
    EXPECT_EQ(ExplosionKind[0], Smoke);
    EXPECT_EQ(ExplosionX[0], 400 + dx1);
    EXPECT_EQ(ExplosionY[0], 268 + dy1);
    EXPECT_EQ(ExplosionKind[1], kind);
    EXPECT_EQ(ExplosionX[1], 400 + dx2);
    EXPECT_EQ(ExplosionY[1], 268 + dy2);
    if (smoke == 0) { EXPECT_EQ(ExplosionY[2], 268 + dy3); }

    // From state 240 on the wreck only flickers and smokes.
    SeedRandom(seed);
    RandomInt(4, 5);
    if (RandomInt(0, 100) == 0) RandomInt(0, 10);
    expected = RandomState();
    SeedRandom(seed);
    EnemyState[1] = 239;
    UpdateBiker(1);
    EXPECT_EQ(RandomState(), expected);
}

// ================================================================== slow motion

TEST_F(SlowKinds, BothActOnOneTickInFiveSoTheirTimelinesStretch) {
    SlowMotion = 4;
    HeroX = 200;
    PutSniper(0, 500);
    EnemyState[0] = 100;
    PutBiker(1, 900, 0, 0);
    int32_t landingTick = -1, freedTick = -1;
    for (int32_t t = 0; t < 1600 && freedTick < 0; ++t) {
        SlowMotionTick = t % 5;
        EnemyTick();
        if (t == 250) { EXPECT_EQ(EnemyX[1], 900 - 3 * 51); }
        if (ScreenShake == 1 && landingTick < 0) landingTick = t;
        if (EnemyKind[0] == -1) freedTick = t;
    }
    EXPECT_EQ(landingTick, 250);
    EXPECT_EQ(freedTick, 5 * 299);
    EXPECT_EQ(StageKills, 1);
}

}  // namespace
}  // namespace enemytest
