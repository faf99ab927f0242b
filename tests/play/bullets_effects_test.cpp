// Bullets and the four effects: explosions, falling glass, blood, casings.
#include <set>
#include <vector>

#include "enemy_fixture.h"
#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/tables.h"
#include "shell/records.h"

namespace enemytest {
namespace {

using Bullets = EnemyScene;
using Effects = EnemyScene;

int32_t LiveCasings() {
    int32_t n = 0;
    for (int32_t slot = 0; slot < ShellCasingSlots; ++slot) n += ShellCasingKind[slot] >= 0 ? 1 : 0;
    return n;
}

void PutBullet(int32_t slot, int32_t kind, int32_t x, int32_t y, int32_t dir) {
    BulletActive[slot] = 1;
    BulletOwner[slot] = 3;
    BulletKind[slot] = kind;
    BulletX[slot] = x;
    BulletY[slot] = y;
    BulletLane[slot] = 77;
    BulletDir[slot] = dir;
}

TEST_F(Bullets, TheHundredAndFirstShotIsNotFiredAndCostsNothing) {
    for (int32_t slot = 0; slot < BulletSlots; ++slot) PutBullet(slot, 0, 300, 300, 4);
    HeroWeapon = 2;
    AmmoWeapon2 = 5;
    const int32_t state = RandomState();
    FireBullet(0, 100, 200, 1, 4);
    EXPECT_EQ(BulletsFired, 0);
    EXPECT_EQ(AmmoWeapon2, 5);
    EXPECT_EQ(MuzzleFlash, 0);
    EXPECT_EQ(LiveCasings(), 0);
    EXPECT_EQ(PlayingSfx(), 0);
    EXPECT_EQ(RandomState(), state);

    BulletActive[37] = 0;
    HeroLane = -20;
    FireBullet(0, 100, 200, 1, 4);
    EXPECT_EQ(BulletActive[37], 1);
    EXPECT_EQ(BulletOwner[37], 0);
    EXPECT_EQ(BulletLane[37], -20 + 392 - 200);
    EXPECT_EQ(BulletsFired, 1);
    EXPECT_EQ(AmmoWeapon2, 4);
    EXPECT_EQ(MuzzleFlash, 1);
    EXPECT_EQ(PlayingSfx(), 1);
    EXPECT_EQ(ShellCasingX[0], 90);  // flying right: thrown to the left
    EXPECT_EQ(ShellCasingSide[0], 0);
}

TEST_F(Effects, TheThirtySecondExplosionReplacesSlotZeroAndSmokeIsThinned) {
    // Smoke that would sit four slots above smoke is not made, nor heard.
    for (int32_t i = 0; i < 4; ++i) ExplosionKind[i] = 1;
    ExplosionKind[0] = 5;
    const int32_t playing = PlayingSfx();
    SpawnExplosion(50, 50, 5);
    EXPECT_EQ(ExplosionKind[4], 0);
    EXPECT_EQ(PlayingSfx(), playing);
    SpawnExplosion(50, 50, 6);
    EXPECT_EQ(ExplosionKind[4], 6);
    ExplosionKind[0] = 1;
    SpawnExplosion(50, 50, 5);
    EXPECT_EQ(ExplosionKind[5], 5);

    EmptyExplosionTable();
    for (int32_t i = 0; i < ExplosionSlots; ++i) SpawnExplosion(i, 0, 1);
    SpawnExplosion(999, 5, 2);
    EXPECT_EQ(ExplosionX[0], 999);
    EXPECT_EQ(ExplosionKind[0], 2);
    EXPECT_EQ(ExplosionX[1], 1);

    // A full table takes smoke into slot 0 without looking below.
    for (int32_t i = 0; i < ExplosionSlots; ++i) ExplosionKind[i] = 5;
    SpawnExplosion(777, 0, 5);
    EXPECT_EQ(ExplosionX[0], 777);
}

TEST_F(Effects, ABlastInSlowMotionStepsEvery30TicksAndStillRises) {
    SlowMotion = 4;
    ExplosionTick = 1;
    SpawnExplosion(100, 200, 3);
    std::vector<int32_t> stepTicks;
    int32_t tick = 0;
    while (ExplosionKind[0] == 3 && tick < 1000) {
        const int32_t frame = ExplosionFrame[0];
        UpdateExplosions();
        ++tick;
        if (ExplosionKind[0] == 3 && ExplosionFrame[0] != frame) {
            stepTicks.push_back(tick);
            EXPECT_EQ(ExplosionY[0], 200 - 4 * ExplosionFrame[0]);
        }
    }
    ASSERT_EQ(stepTicks.size(), 10u);
    for (size_t i = 1; i < stepTicks.size(); ++i) EXPECT_EQ(stepTicks[i] - stepTicks[i - 1], 30);
    EXPECT_EQ(tick, stepTicks.back() + 30);  // freed on its 11th step
    EXPECT_EQ(ExplosionFrame[0], -1);
}

TEST_F(Effects, AFireballIsShownFromFrame2) {
    ExplosionTick = 5;
    SpawnExplosion(100, 200, 4);
    std::set<int32_t> frames;
    for (int32_t t = 0; t < 100 && ExplosionKind[0] == 4; ++t) {
        UpdateExplosions();
        if (ExplosionKind[0] == 4) frames.insert(ExplosionFrame[0]);
    }
    EXPECT_EQ(frames, (std::set<int32_t>{2, 3, 4, 5, 6}));
    EXPECT_EQ(ExplosionY[0], 0);
}

TEST_F(Effects, BloodDropsReuseSlotZeroFallLandAndDryOut) {
    for (int32_t i = 0; i < BloodDropSlots; ++i) SpawnDrop(i, 0);
    SpawnDrop(500, 600);
    EXPECT_EQ(BloodDropX[0], 500);
    EXPECT_EQ(BloodDropAge[0], 6);
    EXPECT_GE(BloodDropFloorY[0], 640);
    EXPECT_LE(BloodDropFloorY[0], 690);

    EmptyBloodDropTable();
    BloodDropX[3] = 100;
    BloodDropY[3] = 100;
    BloodDropFloorY[3] = 104;
    BloodDropAge[3] = 6;
    BloodDropDrift[3] = 0;
    std::vector<int32_t> ys;
    while (BloodDropAge[3] == 6) {
        UpdateBlood();
        ys.push_back(BloodDropY[3]);
    }
    // Lands on the step its y has passed the floor, then still moves 2 px.
    EXPECT_EQ(ys, (std::vector<int32_t>{102, 104, 106, 108}));
    EXPECT_EQ(BloodDropAge[3], 8);
    EXPECT_EQ(PlayingSfx(), 1);
}

TEST_F(Effects, CasingsFreezeInTheTicksSlowMotionSkipsAndLie99Steps) {
    SpawnShellCasing(100, 200, 0, 1);
    const int32_t floor = ShellCasingFloorY[0];
    EXPECT_GE(floor, 250);
    EXPECT_LE(floor, 270);
    const int32_t state = RandomState();
    for (int32_t skipped = 1; skipped <= 4; ++skipped) {
        SlowMotionTick = skipped;
        UpdateShellCasings();
    }
    EXPECT_EQ(ShellCasingY[0], 200);
    EXPECT_EQ(ShellCasingSpin[0], 0);
    EXPECT_EQ(RandomState(), state);

    SlowMotionTick = 0;
    int32_t airborne = 0, lying = 0;
    while (ShellCasingKind[0] != -1) {
        UpdateShellCasings();
        if (ShellCasingKind[0] == -1) break;
        if (ShellCasingSide[0] < 2) ++airborne;
        else ++lying;
    }
    EXPECT_EQ(airborne, (floor - 200) / 2);
    EXPECT_EQ(lying, 99);
}

}  // namespace
}  // namespace enemytest
