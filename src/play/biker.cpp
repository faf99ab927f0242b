// The biker's tick.
#include "play/biker.h"

#include "media.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/props.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// From the top of his cell to the wheels.
constexpr int32_t kHeight = 137;
constexpr int32_t kSpeed = 3;
// The road's base y, where the wreck comes down again.
constexpr int32_t kRoadY = 258;
// Riding right shows frames 0 and 1, riding left 2 and 3; the wreck is the
// base + 4 with base + 5 as its flicker cell.
constexpr int32_t kWreck = 4;

constexpr int32_t kLeftBase = 2;

void RideLeft(int32_t slot, int32_t& base) {
    if (EnemyDrift[slot] == 1) {
        DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] < HeroX + 70) EnemyDrift[slot] = 0;
    }
    EnemyX[slot] -= kSpeed;
    EnemyFacing[slot] = 0;
    base = 2;
    StepEnemyAnimation(slot, 2, 3);
}

void RideRight(int32_t slot, int32_t& base) {
    if (EnemyDrift[slot] == 1) {
        DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] > HeroX - 20) EnemyDrift[slot] = 0;
    }
    EnemyX[slot] += kSpeed;
    EnemyFacing[slot] = 1;
    base = 0;
    StepEnemyAnimation(slot, 0, 1);
}

void Die(int32_t slot, int32_t base) {
    ++EnemiesKilled;
    ++StageKills;
    const int32_t scream = 14 + RandomInt(0, 2);
    PlayEnemySound(slot, scream, 1.0f);
    SpawnExplosion(EnemyX[slot] + 6, EnemyDrawnHeight(slot) + 10, BigBlast);
    // He keeps his facing: the wreck flies on the way he rode.
    EnemyState[slot] = 101;
    EnemyFrame[slot] = base + kWreck;
}

// One step of the crash timer: the wreck flies on rising, pauses, drops back
// to the road while still moving, clangs down and burns. Returns true when
// the slot was freed.
bool StepCrash(int32_t slot, int32_t base) {
    EnemyHealth[slot] = 0;
    ++EnemyState[slot];
    const int32_t onward = EnemyFacing[slot] == 0 ? -kSpeed : kSpeed;
    if (EnemyState[slot] < 160) {
        EnemyY[slot] -= RandomInt(0, 1);
        EnemyX[slot] += onward;
    }
    if (EnemyState[slot] > 160 && EnemyY[slot] < kRoadY) {
        ++EnemyY[slot];
        EnemyX[slot] += onward;
    }
    if (EnemyState[slot] == 190) {
        PlayEnemySound(slot, 21, 1.0f);
        ++EnemyState[slot];
        ScreenShake = 1;
    }
    if (EnemyState[slot] > 200) ScreenShake = 0;
    if (EnemyState[slot] > 210) EnemyFrame[slot] = base + RandomInt(kWreck, kWreck + 1);
    if (EnemyState[slot] > 250) {
        // Nothing is left on the road.
        FreeEnemySlot(slot);
        return true;
    }
    return false;
}

// He runs into every intact prop on screen in his path.
void RamProps(int32_t slot) {
    const int32_t height = EnemyDrawnHeight(slot);
    for (int32_t p = 0; p < PropSlots; ++p) {
        if (!(PropX[p] + CameraX < 640)) continue;
        if (!(PropX[p] - 80 < EnemyX[slot] && EnemyX[slot] < PropX[p] + 20)) continue;
        if (PropFrame[p] <= 1) continue;
        if (height >= PropY[p] - 20 && height <= PropY[p]) HitProp(p);
    }
}

// The burning wreck: smoke and small blasts now and then.
void BurnWreck(int32_t slot) {
    if (RandomInt(0, 10) == 0) {
        const int32_t dx = RandomInt(30, 40);
        const int32_t dy = RandomInt(0, 10);
        SpawnExplosion(EnemyX[slot] + dx, EnemyDrawnHeight(slot) + dy, Smoke);
    }
    if (RandomInt(0, 10) == 0) {
        const int32_t dx = RandomInt(-20, 60);
        const int32_t dy = RandomInt(0, 10);
        const int32_t kind = RandomInt(1, 3);
        SpawnExplosion(EnemyX[slot] + dx, EnemyDrawnHeight(slot) + dy, kind);
    }
}

}  // namespace

void UpdateBiker(int32_t slot) {
    int32_t base = EnemyFrameBase(slot, kLeftBase, 0);

    if (EnemyState[slot] == BikerRideLeft) RideLeft(slot, base);
    if (EnemyState[slot] == BikerRideRight) RideRight(slot, base);

    if (EnemyState[slot] == 100) {
        Die(slot, base);
        return;
    }
    if (EnemyState[slot] > 100) {
        if (StepCrash(slot, base)) return;
    }

    if (EnemyState[slot] < 2) {
        const int32_t before = EnemyState[slot];
        TurnAtLimits(slot, -255, StageLength + 150, 790, -260);
        if (EnemyState[slot] != before) PlayEnemySound(slot, 40, 1.0f);
        RamProps(slot);
    }

    if (EnemyState[slot] > 100 && EnemyState[slot] < 240 && EnemyHealth[slot] < 1) BurnWreck(slot);

    // A damaged machine smokes.
    if (EnemyHealth[slot] < 3 && RandomInt(0, 100) == 0) {
        const int32_t dy = RandomInt(0, 10);
        SpawnExplosion(EnemyX[slot] + 37, EnemyDrawnHeight(slot) + dy, Smoke);
    }
}
