// The hero's weapon choice, his tap and held fire, and the fire-rate upgrades.
#include "play/hero_fire.h"

#include "media.h"
#include "play/bullets.h"
#include "shell/audio.h"
#include "shell/records.h"

namespace {

constexpr int32_t kGun = 0;
constexpr int32_t kThreeWay = 1;
constexpr int32_t kPiercing = 2;
constexpr int32_t kExplosive = 5;

constexpr int32_t kBulletNormal = 0;
constexpr int32_t kBulletPiercing = 1;
constexpr int32_t kBulletExplosive = 4;

constexpr int32_t kHero = 0;                 // FireBullet's owner for the hero
constexpr int32_t kSlowMotionRunning = 4;
constexpr int32_t kPiercingInterval = 150;  // the piercing gun's own held-fire interval, ms
constexpr int32_t kPiercingBurstLimit = 2;
constexpr int32_t kPiercingBurstSpent = 4;  // one held shot spends its burst at once
constexpr int32_t kSlowMotionStretch = 8;   // later shots of a slow-motion burst wait this much longer
constexpr int32_t kPowerUpCap = 99;

// The body turns to its shooting pose with a rustle of the gear.
void TakeShootingPose() {
    HeroPose = 2;
    PlaySfx(47, 0.2f, HeroPan);
}

void FireAtMuzzle(int32_t kind, int32_t dirOffset) {
    const MuzzlePoint m = HeroMuzzle();
    FireBullet(kHero, m.x, m.y, kind, m.dir + dirOffset);
}

// The current weapon's bullets from the muzzle.
void FireWeapon() {
    switch (HeroWeapon) {
        case kGun:
            if (DoubleShot == 1) {
                // Each bullet's muzzle and lane line follow HeroLane at its
                // call: one 2 px above and one 2 px below a single shot.
                HeroLane -= 2;
                FireAtMuzzle(kBulletNormal, 0);
                HeroLane += 4;
                FireAtMuzzle(kBulletNormal, 0);
                HeroLane -= 2;
            } else {
                FireAtMuzzle(kBulletNormal, 0);
            }
            break;
        case kThreeWay:
            // All three leave even when fewer units are left; FireBullet
            // stops the count at 0.
            FireAtMuzzle(kBulletNormal, -1);
            FireAtMuzzle(kBulletNormal, 0);
            FireAtMuzzle(kBulletNormal, 1);
            break;
        case kPiercing: FireAtMuzzle(kBulletPiercing, 0); break;
        case kExplosive: FireAtMuzzle(kBulletExplosive, 0); break;
        default: break;
    }
}

}  // namespace

void SelectHeroWeapon() {
    if (HeroWeapon == kThreeWay && AmmoWeapon1 < 1) HeroWeapon = kGun;
    if (HeroWeapon == kPiercing && AmmoWeapon2 < 1) HeroWeapon = kGun;
    if (HeroWeapon == kExplosive && AmmoWeapon5 < 1) HeroWeapon = kGun;
    if (HeroWeapon == kGun) {
        if (AmmoWeapon5 > 0) {
            HeroWeapon = kExplosive;
        } else if (AmmoWeapon2 > 0) {
            HeroWeapon = kPiercing;
        } else if (AmmoWeapon1 > 0) {
            HeroWeapon = kThreeWay;
        }
    }
}

MuzzlePoint HeroMuzzle() {
    int32_t baseY = HeroFootY < 294 ? 278 : 294;
    if (HeroJumpPhase > 0) baseY = HeroFootY;
    const int32_t y = baseY - 22 + HeroLane;
    if (HeroFacing == 1) return {HeroX + 68, y, 4};
    return {HeroX - 37, y, 12};
}

void FireHeroShot() {
    if (SlowMotion != 0) return;
    SelectHeroWeapon();
    TakeShootingPose();
    FireWeapon();
}

void AutoFireHero() {
    SelectHeroWeapon();

    const int32_t burstLimit = HeroWeapon == kPiercing ? kPiercingBurstLimit : BurstMax;
    if (BurstCount > burstLimit) {
        // Spent: nothing more until fire is let go.
        HeroPose = 0;
        return;
    }
    TakeShootingPose();

    int32_t interval = HeroWeapon == kPiercing ? kPiercingInterval : FireInterval;
    if (SlowMotion == kSlowMotionRunning && BurstCount > 0) interval *= kSlowMotionStretch;
    if (MillisSince(LastShotTime) <= interval) return;

    LastShotTime = ElapsedMillis();
    if (HeroWeapon == kThreeWay) {
        BurstCount += 2;
    } else if (HeroWeapon == kPiercing) {
        BurstCount = kPiercingBurstSpent;
    } else {
        BurstCount += 1;
    }
    // Outside slow motion the heavy guns count the burst and take its time
    // without firing: they fire held only while the world is slowed.
    if (HeroWeapon == kGun || HeroWeapon == kThreeWay || SlowMotion != 0) FireWeapon();
}

void ApplyFireRateUpgrade() {
    PowerUpCount += 1;
    if (PowerUpCount > kPowerUpCap) PowerUpCount = kPowerUpCap;
    // The later steps override the earlier; below 15 nothing changes.
    struct Step {
        int32_t count, interval, burst;
    };
    static constexpr Step kSteps[] = {{15, 145, 1}, {20, 140, 2}, {25, 135, 3}, {30, 130, 4}};
    for (const Step& step : kSteps) {
        if (PowerUpCount < step.count) continue;
        FireInterval = step.interval;
        BurstMax = step.burst;
    }
    if (PowerUpCount >= 35) DoubleShot = 1;
}
