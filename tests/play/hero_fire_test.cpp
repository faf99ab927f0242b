// The hero's weapons: which weapon fires and where, tap and held fire in and
// out of slow motion, and the fire-rate upgrades.
#include <vector>

#include "hero_fixture.h"
#include "play/hero_fire.h"

namespace herotest {
namespace {

struct Shot {
    int32_t kind, x, y, dir, line;
    bool operator==(const Shot&) const = default;
};

// The shots one tap fires.
std::vector<Shot> Tap() {
    EmptyBulletTable();
    FireHeroShot();
    std::vector<Shot> shots;
    for (int32_t b = 0; b < BulletSlots; ++b) {
        if (BulletActive[b]) shots.push_back({BulletKind[b], BulletX[b], BulletY[b], BulletDir[b], BulletY[b] + BulletLane[b]});
    }
    return shots;
}

// Bullets fired by pressing fire, holding it for a second and letting go.
int32_t HoldASecond() {
    const int32_t before = BulletsFired;
    headless::SetKey(Fire, true);
    Ticks(100);
    headless::SetKey(Fire, false);
    Ticks(3);
    return BulletsFired - before;
}

// Times (ms from now, on 10 ms ticks) at which held fire shoots in a fresh burst.
std::vector<int32_t> HeldShotTimes() {
    LastShotTime = ElapsedMillis();
    BurstCount = 0;
    std::vector<int32_t> times;
    for (int32_t t = 10; t <= 4000; t += 10) {
        headless::AdvanceClock(10);
        const int32_t before = BulletsFired;
        AutoFireHero();
        if (BulletsFired > before) times.push_back(t);
    }
    return times;
}

using HeroFire = HeroScene;
using Shots = std::vector<Shot>;

TEST_F(HeroFire, TapPicksTheWeaponFiresItsBulletsAndDucksTheMuzzle) {
    AmmoWeapon5 = 3, AmmoWeapon2 = 4, HeroLane = -20;
    EXPECT_EQ(Tap(), (Shots{{4, 268, 236, 4, 372}}));  // the gun gives way to weapon 5 first
    EXPECT_EQ(HeroWeapon, 5);
    HeroWeapon = 1, AmmoWeapon1 = 2;  // a current weapon stays, even short of a full shot
    EXPECT_EQ(Tap(), (Shots{{0, 268, 236, 3, 372}, {0, 268, 236, 4, 372}, {0, 268, 236, 5, 372}}));
    EXPECT_EQ(AmmoWeapon1, 0);
    AmmoWeapon5 = AmmoWeapon2 = 0, HeroWeapon = 1, AmmoWeapon1 = 1, HeroFacing = 0;
    EXPECT_EQ(Tap().size(), 3u);
    EXPECT_EQ(AmmoWeapon1, 0);
    DoubleShot = 1;  // back to the gun: 2 px above and below a single shot, lane lines with them
    EXPECT_EQ(Tap(), (Shots{{0, 163, 234, 12, 370}, {0, 163, 238, 12, 374}}));
    EXPECT_EQ(HeroLane, -20);
    DoubleShot = 0, HeroFootY = 294;
    EXPECT_EQ(Tap()[0].y, 252);  // ducking: 16 px lower
    HeroFootY = 230, HeroJumpPhase = 2;
    EXPECT_EQ(Tap()[0].y, 188);  // in the air: from the feet
}

TEST_F(HeroFire, HeldFireOutsideSlowMotionBurstsOnlyTheGuns) {
    EXPECT_EQ(HoldASecond(), 1 + 2);  // the tap, then BurstMax + 1 held shots
    HeroWeapon = 1, AmmoWeapon1 = 99, BurstMax = 4;
    EXPECT_EQ(HoldASecond(), 3 * (1 + 3));
    for (int32_t weapon : {2, 5}) {
        HeroWeapon = weapon, AmmoWeapon2 = AmmoWeapon5 = 50;
        EXPECT_EQ(HoldASecond(), 1) << weapon;  // only the tap,
        EXPECT_EQ(HoldASecond(), 1) << weapon;  // once per press
    }
}

TEST_F(HeroFire, InSlowMotionATapFiresNothingAndLaterShotsOfABurstWaitEightIntervals) {
    SlowMotion = 4, HeroWeapon = 5, AmmoWeapon5 = 9, BurstMax = 2;
    EXPECT_TRUE(Tap().empty());
    EXPECT_EQ(HeldShotTimes(), (std::vector<int32_t>{160, 1370, 2580}));
    HeroWeapon = 2, AmmoWeapon2 = 9;
    EXPECT_EQ(HeldShotTimes(), (std::vector<int32_t>{160}));
    HeroWeapon = AmmoWeapon2 = AmmoWeapon5 = 0, BurstMax = 1, FireInterval = 130;
    EXPECT_EQ(HeldShotTimes(), (std::vector<int32_t>{140, 1190}));
}

TEST_F(HeroFire, AFullBulletTableStillCountsTheBurst) {
    for (int32_t b = 0; b < BulletSlots; ++b) BulletActive[b] = 1, BulletOwner[b] = 1;
    HeroWeapon = 1, AmmoWeapon1 = 5, BurstMax = 2;
    EXPECT_TRUE(HeldShotTimes().empty());
    EXPECT_EQ(BurstCount, 4);  // two shots counted, none fired or paid
    EXPECT_EQ(AmmoWeapon1, 5);
}

TEST_F(HeroFire, PowerUpsRaiseTheRateAndThe35thGivesTheDoubleShot) {
    for (int32_t i = 0; i < 34; ++i) ApplyFireRateUpgrade();
    EXPECT_EQ(FireInterval, 130);
    EXPECT_EQ(BurstMax, 4);
    EXPECT_EQ(DoubleShot, 0);
    for (int32_t i = 0; i < 100; ++i) ApplyFireRateUpgrade();
    EXPECT_EQ(DoubleShot, 1);
    EXPECT_EQ(PowerUpCount, 99);
}

}  // namespace
}  // namespace herotest
