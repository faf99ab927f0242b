// Bullets and the four effects: explosions, falling glass, blood, casings.
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "enemy_fixture.h"
#include "play_fixture.h"
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

// The step a bullet makes per move in each direction (0 up, 4 right, 8 down, 12 left).
constexpr int32_t StepX[16] = {0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4, -4, -4, -4, -2};
constexpr int32_t StepY[16] = {-4, -4, -4, -2, 0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4};

// A freed slot: every field 0 but the lane, which is expected to hold `lane`.
void ExpectFreed(int32_t slot, int32_t lane) {
    EXPECT_EQ(BulletActive[slot], 0);
    EXPECT_EQ(BulletOwner[slot], 0);
    EXPECT_EQ(BulletX[slot], 0);
    EXPECT_EQ(BulletY[slot], 0);
    EXPECT_EQ(BulletKind[slot], 0);
    EXPECT_EQ(BulletDir[slot], 0);
    EXPECT_EQ(BulletLane[slot], lane);
}

TEST_F(Bullets, SixteenDirectionsAMissileFlyingStraightStepsTwiceAndSlowMotionSkipsFourTicks) {
    for (int32_t dir = 0; dir < 16; ++dir) {
        PutBullet(dir, 0, 300, 300, dir);
        PutBullet(16 + dir, 2, 300, 300, dir);
    }
    for (int32_t skipped = 1; skipped <= 4; ++skipped) {
        SlowMotionTick = skipped;
        MoveBullets();
    }
    for (int32_t slot = 0; slot < 32; ++slot) {
        EXPECT_EQ(BulletX[slot], 300) << "slot " << slot;
        EXPECT_EQ(BulletY[slot], 300) << "slot " << slot;
    }
    SlowMotionTick = 0;
    MoveBullets();
    for (int32_t dir = 0; dir < 16; ++dir) {
        EXPECT_EQ(BulletX[dir], 300 + StepX[dir]) << "dir " << dir;
        EXPECT_EQ(BulletY[dir], 300 + StepY[dir]) << "dir " << dir;
        const int32_t steps = dir == 0 || dir == 4 || dir == 12 ? 2 : 1;
        EXPECT_EQ(BulletX[16 + dir], 300 + steps * StepX[dir]) << "missile, dir " << dir;
        EXPECT_EQ(BulletY[16 + dir], 300 + steps * StepY[dir]) << "missile, dir " << dir;
    }
}

TEST_F(Bullets, EachKindLeavesAtItsOwnBoundsAndLevelFlightNeverThroughTheTop) {
    CameraX = -100;  // the side bounds are screen x
    struct Case {
        int32_t kind, screenX, y, dir;
        bool kept;
    };
    const Case cases[] = {
        // Screen x 0 to 630, y up to 479, the top at 90.
        {0, 4, 300, 12, true}, {0, 3, 300, 12, false}, {0, 626, 300, 4, true}, {0, 627, 300, 4, false},
        {0, 300, 475, 8, true}, {0, 300, 476, 8, false}, {0, 300, 94, 0, true}, {0, 300, 93, 0, false},
        {0, 300, 94, 14, true}, {0, 300, 93, 14, false}, {0, 300, 50, 4, true}, {0, 300, 50, 12, true},
        {1, 3, 300, 12, false}, {4, 627, 300, 4, false},
        // Missiles: screen x -50 to 690, the top at -100.
        {2, -42, 300, 12, true}, {2, -43, 300, 12, false}, {2, 682, 300, 4, true}, {2, 683, 300, 4, false},
        {2, 300, -92, 0, true}, {2, 300, -93, 0, false}, {2, 300, 475, 8, true}, {2, 300, 476, 8, false},
        {2, 300, -300, 4, true}};
    const int32_t count = static_cast<int32_t>(std::size(cases));
    for (int32_t i = 0; i < count; ++i) PutBullet(i, cases[i].kind, cases[i].screenX + 100, cases[i].y, cases[i].dir);
    MoveBullets();
    for (int32_t i = 0; i < count; ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(BulletActive[i], c.kept ? 1 : 0)
            << "kind " << c.kind << " from screen x " << c.screenX << ", y " << c.y << ", dir " << c.dir;
    }
    ExpectFreed(1, 0);  // a dropped bullet keeps nothing, its lane included
}

TEST_F(Bullets, AGlancingBulletTurnsOneToFourStepsEitherWayAndTheOtherKindsAreRemoved) {
    // Drawn again from the same state: the side (0 clockwise), then the steps.
    for (int32_t seed = 1; seed <= 64; ++seed) {
        const int32_t dir = seed % 4 == 0 ? 0 : seed % 4 == 1 ? 15 : seed % 16;  // half of them at the wrap
        PutBullet(0, 0, 300, 200, dir);
        SeedRandom(seed * 7919);
        const int32_t side = RandomInt(0, 1), steps = RandomInt(1, 4);
        SeedRandom(seed * 7919);
        RicochetBullet(0);
        EXPECT_EQ(BulletDir[0], (dir + (side == 0 ? steps : -steps) + 16) % 16) << "from dir " << dir << ", seed " << seed;
        EXPECT_EQ(BulletOwner[0], 0);  // the hero's from now on
        EXPECT_EQ(BulletActive[0], 1);
        EXPECT_EQ(BulletX[0], 300);
        EXPECT_EQ(BulletY[0], 200);
    }
    PutBullet(0, 0, 300, 200, 15);
    playtest::SeedWhere([] { return RandomInt(0, 1) == 0 && RandomInt(1, 4) == 1; });
    RicochetBullet(0);
    EXPECT_EQ(BulletDir[0], 0);  // one step clockwise from 15

    for (const int32_t kind : {1, 2}) {
        PutBullet(1, kind, 300, 200, 4);
        const int32_t state = RandomState();
        RicochetBullet(1);
        SCOPED_TRACE("kind " + std::to_string(kind));
        ExpectFreed(1, 77);  // the lane left as it was
        EXPECT_EQ(RandomState(), state);
        EXPECT_EQ(ExplosionKind[0], 0);
    }
    // An explosive round bursts near where it struck, its y offset drawn first.
    int32_t dy = 0, dx = 0;
    playtest::SeedWhere([&] { dy = RandomInt(-5, 5), dx = RandomInt(-5, 5); return dx != dy; });
    PutBullet(2, 4, 300, 200, 4);
    RicochetBullet(2);
    EXPECT_EQ(BulletActive[2], 0);
    EXPECT_EQ(ExplosionKind[0], 1);
    EXPECT_EQ(ExplosionX[0], 300 - 9 + dx);
    EXPECT_EQ(ExplosionY[0], 200 - 10 + dy);

    const int32_t state = RandomState();
    for (const int32_t slot : {1, -1, 100}) RicochetBullet(slot);  // a free slot, and no slot at all
    EXPECT_EQ(RandomState(), state);
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

    // A kind outside 1..6 makes nothing: no slot held for ever, no sound.
    EmptyExplosionTable();
    const int32_t quiet = PlayingSfx();
    for (int32_t kind : {0, 7, -1, 100}) SpawnExplosion(123, 45, kind);
    for (int32_t i = 0; i < ExplosionSlots; ++i) {
        EXPECT_EQ(ExplosionKind[i], 0) << "slot " << i;
        EXPECT_NE(ExplosionX[i], 123) << "slot " << i;
    }
    EXPECT_EQ(PlayingSfx(), quiet);
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
