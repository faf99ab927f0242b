// The rogue officer's tick.
#include "play/rogue_officer.h"

#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/props.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// From the top of his cell to his feet.
constexpr int32_t kHeight = 151;
// Aiming cells: 22 aims left, 8 aims right.
constexpr int32_t kAimLeft = 22;
constexpr int32_t kAimRight = 8;

// Facing right counts the dying frames from 14 (22..27), facing left from 0 (8..13).
constexpr int32_t kRightBase = 14;

// His feet line strictly within 10 px of the hero line.
bool InFiringBand(int32_t slot) {
    const int32_t feet = EnemyDrawnHeight(slot) + kHeight;
    return feet > HeroLane + 385 && feet < HeroLane + 405;
}

// One shot along the lane the way he faces. A shot weighs five in his
// count, so two quick ones make him restless.
void Shoot(int32_t slot) {
    const int32_t y = EnemyDrawnHeight(slot);
    if (EnemyFacing[slot] == 1) {
        FireBullet(slot + 1, EnemyX[slot] + 85, y + 15, 0, 4);
    } else {
        FireBullet(slot + 1, EnemyX[slot] - 1, y + 15, 0, 12);
    }
    EnemyShotCount[slot] += 5;
    EnemyShotLatch[slot] = 1;
}

void WalkLeft(int32_t slot) {
    EnemyX[slot] -= 1;
    if (EnemyDrift[slot] == 1) {
        DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] < HeroX + 20) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 0;
    if (StepEnemyAnimation(slot, 14, 21) && (EnemyFrame[slot] == 14 || EnemyFrame[slot] == 18)) {
        PlayEnemySound(slot, 1, 0.5f);
    }
}

void WalkRight(int32_t slot) {
    EnemyX[slot] += 1;
    if (EnemyDrift[slot] == 1) {
        DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] > HeroX - 70) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 1;
    if (StepEnemyAnimation(slot, 0, 7) && (EnemyFrame[slot] == 0 || EnemyFrame[slot] == 4)) {
        PlayEnemySound(slot, 1, 0.5f);
    }
}

// Standing to aim: he fires the way he faces, wherever the hero is, and walks
// on the way he came once the hero has passed him or, late in a long pause,
// when he loses patience.
void Aim(int32_t slot) {
    if (EnemyShotLatch[slot] == 0 && InFiringBand(slot)) Shoot(slot);
    if (EnemyFrame[slot] == kAimLeft && EnemyX[slot] < HeroX + 20) {
        EnemyState[slot] = EnemyFacing[slot];
        EnemyDrift[slot] = 0;
    }
    if (EnemyFrame[slot] == kAimRight && EnemyX[slot] > HeroX - 80) {
        EnemyState[slot] = EnemyFacing[slot];
        EnemyDrift[slot] = 0;
    }
    if (EnemyShotCount[slot] > 10 && RandomInt(0, 50) == 0) EnemyState[slot] = EnemyFacing[slot];
}

void Die(int32_t slot) {
    ++EnemiesKilled;
    ++StageKills;
    // He falls facing the hero: his first dying cell is the aiming cell that faces him.
    EnemyFacing[slot] = EnemyX[slot] > HeroX ? 1 : 0;
    EnemyState[slot] = 101;
    EnemyFrame[slot] = EnemyFrameBase(slot, 0, kRightBase) + 8;
}

// One step of the dying timer: he stands where he was hit, small blasts
// going off on him, sinks through four cells, lands with a thud and lies
// flickering. Returns true when the slot was freed.
bool StepDying(int32_t slot) {
    const int32_t base = EnemyFrameBase(slot, 0, kRightBase);
    ++EnemyState[slot];
    if (RandomInt(0, 10) == 0) {
        const int32_t x = EnemyX[slot] + RandomInt(-20, 50);
        const int32_t y = EnemyDrawnHeight(slot) + RandomInt(30, 60);
        const int32_t kind = RandomInt(1, 2);
        SpawnExplosion(x, y, kind);
    }
    const int32_t state = EnemyState[slot];
    if (state > 120) EnemyFrame[slot] = base + 9;
    if (state > 130) EnemyFrame[slot] = base + 10;
    if (state > 140) EnemyFrame[slot] = base + 11;
    if (state > 150) EnemyFrame[slot] = base + 12;
    if (state == 150) {
        PlayEnemySound(slot, 20, 1.0f);
        ++EnemyState[slot];
    }
    if (EnemyState[slot] > 310) EnemyFrame[slot] = base + RandomInt(12, 13);
    if (EnemyState[slot] > 410) {
        AddCorpse(slot);
        FreeEnemySlot(slot);
        return true;
    }
    return false;
}

// Intact props in his path (on screen or to the left of it) break under his feet.
void Trample(int32_t slot) {
    for (int32_t p = 0; p < PropSlots; ++p) {
        if (!(PropX[p] + CameraX < 640)) continue;
        if (!(PropX[p] - 50 < EnemyX[slot] && EnemyX[slot] < PropX[p] + 10)) continue;
        if (PropFrame[p] <= 1) continue;
        const int32_t height = EnemyDrawnHeight(slot);
        if (height >= PropY[p] - 28 && height <= PropY[p] - 8) HitProp(p);
    }
}

bool FacesHero(int32_t slot) {
    return (HeroX < EnemyX[slot] && EnemyFacing[slot] == 0) || (HeroX >= EnemyX[slot] && EnemyFacing[slot] == 1);
}

}  // namespace

void UpdateRogueCop(int32_t slot) {
    if (EnemyState[slot] == RogueCopWalkLeft) WalkLeft(slot);
    if (EnemyState[slot] == RogueCopWalkRight) WalkRight(slot);
    if (EnemyState[slot] == RogueCopWalkLeft || EnemyState[slot] == RogueCopWalkRight) {
        if (EnemyDrift[slot] == 0 && RandomInt(0, 50) == 1) EnemyDrift[slot] = 1;
    }
    if (EnemyState[slot] == RogueCopStopLeft) {
        EnemyFrame[slot] = kAimLeft;
        EnemyState[slot] = RogueCopAim;
    }
    if (EnemyState[slot] == RogueCopStopRight) {
        EnemyFrame[slot] = kAimRight;
        EnemyState[slot] = RogueCopAim;
    }

    if (EnemyState[slot] == RogueCopAim) Aim(slot);

    if (EnemyState[slot] == 100) {
        Die(slot);
        return;
    }
    if (EnemyState[slot] > 100) {
        if (StepDying(slot)) return;
    }

    // Drawn on every call that gets this far, walking or not.
    const int32_t r = RandomInt(0, 25);
    const bool walking = EnemyState[slot] == RogueCopWalkLeft || EnemyState[slot] == RogueCopWalkRight;
    if (walking) {
        TurnAtLimits(slot, -94, StageLength, 640, -94);
        // The stop roll, in any lane.
        if (EnemyState[slot] == RogueCopWalkLeft && HeroX + 100 < EnemyX[slot] && EnemyX[slot] < HeroX + 200 &&
            r == 0) {
            EnemyState[slot] = RogueCopStopLeft;
        } else if (EnemyState[slot] == RogueCopWalkRight && HeroX - 200 < EnemyX[slot] &&
                   EnemyX[slot] < HeroX - 100 && r == 0) {
            EnemyState[slot] = RogueCopStopRight;
        }
        Trample(slot);
        // He fires on the move (also on the call that just rolled a stop).
        if (EnemyShotLatch[slot] == 0 && InFiringBand(slot) && FacesHero(slot)) Shoot(slot);
    }
}
