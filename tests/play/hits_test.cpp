// Bullet hits on enemies, hits on the hero and contact, on the generated
// images' real masks; and the display's rules of play in the running loop.
#include <gtest/gtest.h>

#include <functional>

#include "draw/hud.h"
#include "headless.h"
#include "media.h"
#include "play/enemy_hits.h"
#include "play/hero_hits.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "play/tick.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

struct Point {
    int32_t x, y;
};

// A point in the box at which bullet cell `cell` overlaps `frame` of `image` at (ix, iy).
Point BulletOver(int32_t image, int32_t frame, int32_t ix, int32_t iy, int32_t cell, int32_t x0, int32_t x1,
                 int32_t y0, int32_t y1) {
    for (int32_t y = y0; y <= y1; ++y) {
        for (int32_t x = x0; x <= x1; ++x) {
            if (ImagesOverlap(BulletsImage, x, y, cell, image, ix, iy, frame)) return {x, y};
        }
    }
    ADD_FAILURE() << "no overlap in the box";
    return {0, 0};
}

// A live bullet at p whose lane line gives band value v (BulletY + BulletLane - 74).
void PutBullet(int32_t b, int32_t owner, int32_t kind, int32_t dir, Point p, int32_t v) {
    BulletActive[b] = 1, BulletOwner[b] = owner, BulletKind[b] = kind, BulletDir[b] = dir;
    BulletX[b] = p.x, BulletY[b] = p.y, BulletLane[b] = v + 74 - p.y;
}

void PutEnemy(int32_t slot, int32_t kind, int32_t x, int32_t y, int32_t lane, int32_t health, int32_t frame = 0) {
    EnemyKind[slot] = kind, EnemyX[slot] = x, EnemyY[slot] = y, EnemyLane[slot] = lane;
    EnemyHealth[slot] = health, EnemyState[slot] = 0, EnemyFrame[slot] = frame;
}

using playtest::SeedWhere;

class Hits : public ::testing::Test {
protected:
    void SetUp() override {
        playtest::NewGame(6);
        EmptyActorTables();
        CameraX = SlowMotion = HeroLane = HeroJumpPhase = HeroTorsoFrame = HeroStateSaved = HeroState = 0;
        HeroX = 100, HeroFootY = 278, HeroFacing = 1, HeroWalkStep = 5, HeroEnergy = 100, HitFlashX = -50;
        PutEnemy(0, 1, 300, 240, 0, 2, 11);  // a street gunman: band values 305..327
        gunman_ = BulletOver(EnemyImages[1], 11, 300, 240, 4, 250, 400, 200, 330);
    }
    Point gunman_;
};

TEST_F(Hits, TheBandComesBeforeThePixelsAndADyingEnemyIsStruckUntil160) {
    for (int32_t v : {304, 328}) PutBullet(v - 304, 0, 0, 4, gunman_, v);
    PutBullet(2, 0, 0, 4, {gunman_.x, 120}, 310);  // in the band, pixels apart
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 2);
    EXPECT_EQ(HitFlashX, -50);
    EnemyState[0] = 160;
    PutBullet(0, 0, 0, 4, gunman_, 305);
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 2);
    EnemyState[0] = 159;
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 1);
    EXPECT_EQ(BulletActive[0], 0);
    EXPECT_EQ(HitFlashX, gunman_.x - 6);
    EXPECT_EQ(HitFlashKind, 1);
}

TEST_F(Hits, DamageByBulletKindTheKR770TakesOneAndSlowMotionNinetyNine) {
    const int32_t damage[5] = {1, 1, 20, 0, 5};
    for (int32_t kind : {0, 1, 2, 4}) {
        EnemyHealth[0] = 100;
        PutBullet(0, 0, kind, 4, gunman_, 310);
        HitTestBulletsOnEnemy(0);
        EXPECT_EQ(EnemyHealth[0], 100 - damage[kind]) << kind;
        EXPECT_EQ(BulletActive[0], kind == 1) << kind;  // the piercing bullet flies on
    }
    EXPECT_EQ(ExplosionKind[1], 1);  // missile and explosive bullet burst
    SlowMotion = 4;
    PutBullet(0, 0, 0, 4, gunman_, 310);
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 100 - 5 - 99);

    SlowMotion = 0;
    PutEnemy(2, 17, 300, 190, 0, 70);  // band 300..319
    const Point high = BulletOver(EnemyImages[17], 0, 300, 190, 4, 250, 460, 190, 230);
    const Point low = BulletOver(EnemyImages[17], 0, 300, 190, 4, 250, 460, 231, 320);
    PutBullet(0, 0, 2, 4, high, 305);
    PutBullet(1, 3, 0, 4, high, 305);  // its own bullet never strikes it
    HitTestBulletsOnEnemy(2);
    EXPECT_EQ(EnemyHealth[2], 69);
    EXPECT_EQ(BulletActive[1], 1);
    EnemyHealth[2] = 1;  // low strikes cannot finish it; they rock it back
    PutBullet(0, 0, 0, 4, low, 305);
    HitTestBulletsOnEnemy(2);
    EXPECT_EQ(EnemyHealth[2], 1);
    EXPECT_EQ(EnemyX[2], 308);
}

TEST_F(Hits, ARisingMissileHandsItsTurnToTheNextSlotAndInTheLastSlotEndsTheTest) {
    const Point up = BulletOver(EnemyImages[1], 11, 300, 240, 0, 250, 400, 200, 330);
    PutBullet(3, 0, 2, 0, up, 310);
    PutBullet(4, 0, 2, 0, up, 310);  // whatever the next slot holds, it is tested in the missile's turn
    EnemyHealth[0] = 30;
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 10);
    EXPECT_EQ(BulletActive[3], 1);
    EXPECT_EQ(BulletActive[4], 0);
    EmptyBulletTable();
    PutBullet(99, 0, 2, 0, up, 310);
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 10);
    PutBullet(98, 0, 2, 0, up, 310);
    PutBullet(99, 0, 0, 4, gunman_, 310);
    HitTestBulletsOnEnemy(0);
    EXPECT_EQ(EnemyHealth[0], 9);
}

TEST_F(Hits, OneArmourRollATickDecidesTheHeroStrikesAndSlowMotionTakesNothing) {
    EmptyEnemyTable();
    const Point torso = BulletOver(HeroImages[3], 0, 100, 278, 12, 0, 250, 150, 270);
    const Point legs = BulletOver(HeroImages[1], 5, 100, 278, 12, 0, 250, 290, 340);
    PutBullet(0, 1, 4, 12, torso, 307);  // band 308..328
    PutBullet(1, 1, 4, 12, legs, 329);
    CheckHeroHits();
    EXPECT_EQ(BulletActive[0], 1);
    EXPECT_EQ(BulletActive[1], 1);

    PutBullet(0, 1, 4, 12, torso, 308);
    PutBullet(1, 1, 0, 12, legs, 328);
    SeedWhere([] { return RandomInt(0, 2) == 0; });
    CheckHeroHits();
    EXPECT_EQ(HeroState, 8);  // roll 0: the flash, and every strike of the tick harms
    EXPECT_EQ(HeroEnergy, 100 - 4 - 1);
    EXPECT_EQ(BulletActive[0], 0);
    EXPECT_EQ(BulletActive[1], 0);

    HeroState = 0;
    PutBullet(0, 1, 0, 12, torso, 318);
    SeedWhere([] { const bool armour = RandomInt(0, 2) != 0; RandomInt(0, 1); return armour && RandomInt(0, 1) == 1; });
    CheckHeroHits();
    EXPECT_EQ(HeroEnergy, 95);
    EXPECT_EQ(BulletActive[0], 1);  // glanced off, the hero's now
    EXPECT_EQ(BulletOwner[0], 0);

    SlowMotion = 4;
    PutBullet(0, 1, 4, 12, torso, 318);
    SeedWhere([] { return RandomInt(0, 2) == 0; });
    EmptyExplosionTable();
    CheckHeroHits();
    EXPECT_EQ(HeroEnergy, 95);
    EXPECT_EQ(HeroState, 0);
    EXPECT_EQ(BulletActive[0], 0);
    EXPECT_EQ(ExplosionKind[0], 1);
}

TEST_F(Hits, ContactKillsAStreetGunmanInTwoTicks) {
    int32_t x = 0;  // where he touches the contact detector at the hero's middle
    while (x < 300 && !ImagesOverlap(EnemyImages[1], x, 251, 11, Detect1Image, 118, 244, 0)) ++x;
    PutEnemy(0, 1, x, 240, 11, 2, 11);  // feet 20 px below the window's top
    for (int32_t tick = 0; tick < 3; ++tick) CheckHeroHits(), HeroState = 0;
    EXPECT_EQ(EnemyHealth[0], 0);
    PutEnemy(0, 1, x, 240, 12, 2, 11);
    CheckHeroHits();
    EXPECT_EQ(EnemyHealth[0], 2);
}

// The display's rules act once per drawn frame, however many ticks a pass runs.
TEST(HudInTheLoop, ClampsOncePerFrameAndTheScrollLockReleasesWithTheGoArrow) {
    playtest::NewGame(6);
    headless::SetTicksPerWait(3);
    int32_t lockedAt = 0, releasedAt = 0, arrowAt100 = -1;
    const int32_t result = playtest::RunSection([&](int32_t point, int32_t pass) {
        const bool start = point == StagePassStart, drawn = point == StageAfterDraw;
        if (start && pass == 20) {
            HeroEnergy = 250, Lives = 150;
            UpdateStageTick();
            EXPECT_EQ(HeroEnergy, 250);  // not per tick
            EXPECT_EQ(Lives, 150);
        }
        if (drawn && pass == 20) {
            EXPECT_EQ(HeroEnergy, 100);
            EXPECT_EQ(Lives, 100);
        }
        if (start && pass == 30) {
            for (int32_t slot = 0; slot < 11; ++slot) PutEnemy(slot, 1, 40 * slot - CameraX, 240, 10 * slot - 100, 2, 11);
        }
        if (start && pass == 40) {
            for (int32_t slot = 0; slot < EnemySlots; ++slot) EnemyHealth[slot] = 0;
        }
        if (drawn && ScrollLock == 1 && lockedAt == 0) lockedAt = pass;
        if (drawn && lockedAt > 0 && ScrollLock == 0 && releasedAt == 0) releasedAt = pass;
        if (drawn && pass == 100) arrowAt100 = GoArrowTimer;
        if (drawn && pass == 160) StageResult = GoArrowTimer == 0 ? 1 : 3;
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(lockedAt, 30);
    EXPECT_EQ(releasedAt, 40);
    EXPECT_EQ(arrowAt100, 62);
}

}  // namespace
