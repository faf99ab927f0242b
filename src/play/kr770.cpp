// The KR770's tick.
#include "play/kr770.h"

#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/props.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// From the top of its cell to its feet, for drifting.
constexpr int32_t kHeight = 190;
constexpr int32_t kGunBullet = 0;
constexpr int32_t kMissile = 2;

// Facing left counts every frame from 25, facing right from 0: it walks on
// base..base + 15 and breaks apart on base + 16..base + 22.
constexpr int32_t kLeftBase = 25;

// Height of the guns' line.
int32_t MuzzleY(int32_t slot) { return EnemyDrawnHeight(slot) + 40; }

// Gun 1 and the direction of fire by facing; gun 2 sits 9 px lower.
int32_t Gun1X(int32_t slot) { return EnemyFacing[slot] == 1 ? EnemyX[slot] + 146 : EnemyX[slot] - 5; }

int32_t FireDir(int32_t slot) { return EnemyFacing[slot] == 1 ? 4 : 12; }

// The two guns, each with an even chance; gun 2 fires from `gun2X`.
void FireGuns(int32_t slot, int32_t gun2X) {
    if (RandomInt(0, 1) == 1) FireBullet(slot + 1, Gun1X(slot), MuzzleY(slot), kGunBullet, FireDir(slot));
    if (RandomInt(0, 1) == 1) FireBullet(slot + 1, gun2X, MuzzleY(slot) + 9, kGunBullet, FireDir(slot));
}

void WalkLeft(int32_t slot, int32_t speed) {
    if (EnemyDrift[slot] == 1) {
        DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] < HeroX + 20) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 0;
    EnemyX[slot] -= speed;
    // Each step shakes the street; the shake dies down at random.
    const bool stepped = StepEnemyAnimation(slot, 25, 40);
    if (stepped) ScreenShake = 1;
    if (stepped && (EnemyFrame[slot] == 28 || EnemyFrame[slot] == 36)) PlayEnemySound(slot, 33, 0.5f);
    if (RandomInt(0, 1) == 0) ScreenShake = 0;
}

void WalkRight(int32_t slot, int32_t speed) {
    if (EnemyDrift[slot] == 1) {
        DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] > HeroX - 100) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 1;
    EnemyX[slot] += speed;
    const bool stepped = StepEnemyAnimation(slot, 0, 15);
    if (stepped) ScreenShake = 1;
    if (stepped && (EnemyFrame[slot] == 3 || EnemyFrame[slot] == 11)) PlayEnemySound(slot, 33, 0.5f);
    if (RandomInt(0, 1) == 0) ScreenShake = 0;
}

// The volley: on each opening of the latch one time in two nothing, one in
// four a missile, one in four the guns (gun 2 further out than on the walk).
// It walks on by a 1-in-51 roll once the count is above 10.
void Volley(int32_t slot) {
    ScreenShake = 0;
    if (EnemyShotCount[slot] < 29 && EnemyShotLatch[slot] == 0) {
        if (RandomInt(0, 1) == 0) {
            if (RandomInt(0, 1) == 0) {
                const int32_t x = EnemyFacing[slot] == 1 ? EnemyX[slot] + 76 : EnemyX[slot] + 39;
                FireBullet(slot + 1, x, MuzzleY(slot) + 10, kMissile, FireDir(slot));
            } else {
                FireGuns(slot, EnemyFacing[slot] == 1 ? EnemyX[slot] + 151 : EnemyX[slot] - 10);
            }
        }
        ++EnemyShotCount[slot];
        EnemyShotLatch[slot] = 1;
    }
    if (EnemyShotCount[slot] > 10 && RandomInt(0, 50) == 0) EnemyState[slot] = RandomInt(0, 1);
}

void Die(int32_t slot) {
    ++EnemiesKilled;
    ++StageKills;
    PlayEnemySound(slot, 36, 1.0f);
    // It keeps its facing.
    EnemyState[slot] = 101;
    EnemyFrame[slot] = EnemyFrameBase(slot, kLeftBase, 0) + 16;
}

// One step of the break-up: a big blast, the frames of the collapse, the
// clang and shake of the fall, then the wreck flickers. Returns true when
// the slot was freed.
bool StepBreakUp(int32_t slot) {
    const int32_t base = EnemyFrameBase(slot, kLeftBase, 0);
    ++EnemyState[slot];
    const int32_t state = EnemyState[slot];
    if (state > 120) EnemyFrame[slot] = base + 17;
    if (state == 120) SpawnExplosion(EnemyX[slot] + 49, EnemyDrawnHeight(slot) + 11, BigBlast);
    if (state > 140) EnemyFrame[slot] = base + 18;
    if (state > 160) EnemyFrame[slot] = base + 19;
    if (state > 180) EnemyFrame[slot] = base + 20;
    if (state > 200) EnemyFrame[slot] = base + 21;
    if (state > 240) EnemyFrame[slot] = base + RandomInt(20, 21);
    if (state == 155) {
        PlayEnemySound(slot, 21, 1.0f);
        ++EnemyState[slot];
        ScreenShake = 1;
    }
    if (EnemyState[slot] > 165) ScreenShake = 0;
    if (EnemyState[slot] > 300) EnemyFrame[slot] = base + RandomInt(21, 22);
    if (EnemyState[slot] > 400) {
        AddCorpse(slot);
        FreeEnemySlot(slot);
        EnemyFacing[slot] = 0;
        return true;
    }
    return false;
}

// Every intact prop in its path is crushed, on screen or not.
void Crush(int32_t slot) {
    for (int32_t p = 0; p < PropSlots; ++p) {
        if (!(PropX[p] - 120 < EnemyX[slot] && EnemyX[slot] < PropX[p] - 20)) continue;
        if (PropFrame[p] <= 1) continue;
        const int32_t height = EnemyDrawnHeight(slot);
        if (height >= PropY[p] - 85 && height <= PropY[p] - 52) HitProp(p);
    }
}

// Smoke below 20 health and blasts below 12: on the standing machine high
// on its body, on the breaking one low at its feet.
void DamageEffects(int32_t slot) {
    const int32_t state = EnemyState[slot];
    const int32_t d = EnemyDrawnHeight(slot);
    if (state > 100 && state < 200) {
        if (EnemyHealth[slot] < 20 && RandomInt(0, 10) == 0) {
            const int32_t x = EnemyX[slot] + RandomInt(20, 125);
            const int32_t y = d + RandomInt(70, 80);
            SpawnExplosion(x, y, Smoke);
        }
        if (EnemyHealth[slot] < 12 && RandomInt(0, 10) == 0) {
            const int32_t x = EnemyX[slot] + RandomInt(-20, 120);
            const int32_t y = d + RandomInt(70, 80);
            const int32_t kind = RandomInt(1, 3);
            SpawnExplosion(x, y, kind);
        }
    }
    if (state < 100) {
        if (EnemyHealth[slot] < 20 && RandomInt(0, 10) == 0) {
            const int32_t x = EnemyX[slot] + RandomInt(20, 125);
            const int32_t y = d + RandomInt(0, 50);
            SpawnExplosion(x, y, Smoke);
        }
        if (EnemyHealth[slot] < 12 && RandomInt(0, 20) == 0) {
            const int32_t x = EnemyX[slot] + RandomInt(-20, 120);
            const int32_t y = d + RandomInt(0, 50);
            const int32_t kind = RandomInt(1, 2);
            SpawnExplosion(x, y, kind);
        }
    }
}

}  // namespace

void UpdateKR770(int32_t slot) {
    // Badly damaged it limps at half a pixel a tick.
    const int32_t speed = EnemyHealth[slot] >= 11 ? 1 : EnemyHalfStep;

    if (EnemyState[slot] == KR770WalkLeft) WalkLeft(slot, speed);
    if (EnemyState[slot] == KR770WalkRight) WalkRight(slot, speed);
    if (EnemyState[slot] == KR770WalkLeft || EnemyState[slot] == KR770WalkRight) {
        if (EnemyDrift[slot] == 0 && RandomInt(0, 50) == 1) EnemyDrift[slot] = 1;
        // Now and then, while not drifting, it picks a way to walk anew.
        if (EnemyDrift[slot] == 0 && RandomInt(0, 200) == 1) EnemyState[slot] = RandomInt(0, 1);
    }

    if (EnemyState[slot] == KR770Volley) Volley(slot);

    if (EnemyState[slot] == 100) {
        Die(slot);
        return;
    }
    if (EnemyState[slot] > 100) {
        if (StepBreakUp(slot)) return;
    }

    // Drawn on every call that gets this far, walking, in the volley or breaking up.
    const int32_t r = RandomInt(0, 1);
    if (EnemyState[slot] < 3) {
        Crush(slot);
        TurnAtLimits(slot, -151, StageLength, 640, -151);
        if (r == 0 && EnemyShotCount[slot] < 30 && EnemyShotLatch[slot] == 0) {
            FireGuns(slot, Gun1X(slot) - 5);
            ++EnemyShotCount[slot];
            EnemyShotLatch[slot] = 1;
        }
    }
    if (EnemyState[slot] < 3) EnemyIdleVoice(slot);

    DamageEffects(slot);
}
