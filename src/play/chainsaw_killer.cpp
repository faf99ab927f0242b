// The chainsaw killer's tick.
#include "play/chainsaw_killer.h"

#include "media.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// From the top of his cell to his feet: 158 for the lane drift itself, 160
// for the drift's direction at props and for the lane band of the swing.
constexpr int32_t kDriftHeight = 158;
constexpr int32_t kFeetHeight = 160;

// Props on screen whose window holds him: standing in a prop's band means
// he has bumped into it and is pushed back by `push` (once per such prop).
// The last such prop decides whether a drift step would take him into its band.
void TestBump(int32_t slot, int32_t push, bool& bumped, bool& driftBlocked) {
    for (int32_t p = 0; p < PropSlots; ++p) {
        const int32_t screenX = PropX[p] + CameraX;
        if (!(screenX > -56 && screenX < 621)) continue;
        if (!(PropX[p] - 87 < EnemyX[slot] && EnemyX[slot] < PropX[p] - 12)) continue;
        if (PropFrame[p] <= 1) continue;

        const int32_t top = PropY[p] - 39;
        const int32_t bottom = PropY[p] - 19;
        const int32_t height = EnemyDrawnHeight(slot);
        if (height >= top && height <= bottom) {
            bumped = true;
            EnemyX[slot] += push;
        }
        const bool feetAbove = height + kFeetHeight < HeroLane + 395;
        const int32_t drifted = height + (feetAbove ? 2 : -2);
        driftBlocked = drifted >= top && drifted <= bottom;
    }
}

void StepSound(int32_t slot) {
    const int32_t sound = 24 + RandomInt(0, 1);
    PlayEnemySound(slot, sound, 0.3f);
}

void WalkLeft(int32_t slot, int32_t speed) {
    bool bumped = false;
    bool driftBlocked = false;
    TestBump(slot, 2, bumped, driftBlocked);
    if (!bumped) {
        EnemyX[slot] -= speed;
    } else {
        EnemyState[slot] = ChainsawWalkRight;
    }
    if (EnemyDrift[slot] == 1) {
        if (!bumped && !driftBlocked) DriftTowardHero(slot, kDriftHeight);
        if (EnemyX[slot] < HeroX + 20) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 0;
    if (StepEnemyAnimation(slot, 12, 15) && EnemyFrame[slot] == 12) StepSound(slot);
}

void WalkRight(int32_t slot, int32_t speed) {
    bool bumped = false;
    bool driftBlocked = false;
    TestBump(slot, -2, bumped, driftBlocked);
    if (!bumped) {
        EnemyX[slot] += speed;
    } else {
        EnemyState[slot] = ChainsawWalkLeft;
    }
    if (EnemyDrift[slot] == 1) {
        if (!bumped && !driftBlocked) DriftTowardHero(slot, kDriftHeight);
        if (EnemyX[slot] > HeroX - 120) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 1;
    if (StepEnemyAnimation(slot, 0, 3) && EnemyFrame[slot] == 0) StepSound(slot);
}

// The swing, one frame a divider tick: up through the forward swing (the
// saw bites on its second frame), down through the back-swing, then he walks
// off the other way with his drift off.
void Swing(int32_t slot) {
    const bool divider = EnemyAnimDivider == 0;

    if (EnemyState[slot] == ChainsawSwingLeft) {
        if (divider) ++EnemyFrame[slot];
        if (EnemyFrame[slot] < 15) EnemyFrame[slot] = 15;
        if (EnemyFrame[slot] > 18) {
            EnemyFrame[slot] = 18;
            EnemyState[slot] = ChainsawBackSwingLeft;
        }
        if (divider && EnemyFrame[slot] == 16) PlayEnemySound(slot, 41, 0.8f);
    }
    if (EnemyState[slot] == ChainsawBackSwingLeft) {
        if (divider) --EnemyFrame[slot];
        if (EnemyFrame[slot] > 18) EnemyFrame[slot] = 18;
        if (EnemyFrame[slot] < 15) {
            EnemyFrame[slot] = 0;
            EnemyState[slot] = ChainsawWalkRight;
            EnemyDrift[slot] = 0;
        }
    }
    if (EnemyState[slot] == ChainsawSwingRight) {
        if (divider) ++EnemyFrame[slot];
        if (EnemyFrame[slot] < 3) EnemyFrame[slot] = 3;
        if (EnemyFrame[slot] > 6) {
            EnemyFrame[slot] = 6;
            EnemyState[slot] = ChainsawBackSwingRight;
        }
        if (divider && EnemyFrame[slot] == 4) PlayEnemySound(slot, 41, 0.8f);
    }
    if (EnemyState[slot] == ChainsawBackSwingRight) {
        if (divider) --EnemyFrame[slot];
        if (EnemyFrame[slot] > 6) EnemyFrame[slot] = 6;
        if (EnemyFrame[slot] < 3) {
            EnemyFrame[slot] = 12;
            EnemyState[slot] = ChainsawWalkLeft;
            EnemyDrift[slot] = 0;
        }
    }
}

}  // namespace

void UpdateChainsaw(int32_t slot) {
    const int32_t speed = EnemyHealth[slot] < 2 ? 1 : EnemySpeedToggle;

    // A bump while walking left turns him and runs the walking-right step in
    // the same call.
    if (EnemyState[slot] == ChainsawWalkLeft) WalkLeft(slot, speed);
    if (EnemyState[slot] == ChainsawWalkRight) WalkRight(slot, speed);
    if (EnemyState[slot] == ChainsawWalkLeft || EnemyState[slot] == ChainsawWalkRight) {
        if (EnemyDrift[slot] == 0 && RandomInt(0, 50) == 1) EnemyDrift[slot] = 1;
    }

    Swing(slot);

    if (EnemyState[slot] == 100) {
        StartThrownBackDeath(slot, 12, 7);  // dying frames 7..11, facing right 19..23
        return;
    }
    if (EnemyState[slot] > 100) {
        if (StepThrownBackDeath(slot, 12, 7)) return;
    }

    // Drawn on every call that gets this far, walking or not.
    const int32_t r = RandomInt(0, 10);
    if (EnemyState[slot] == ChainsawWalkLeft || EnemyState[slot] == ChainsawWalkRight) {
        TurnAtLimits(slot, -160, StageLength, 640, -160);
        // In the hero's lane and close: one chance in eleven to swing.
        const int32_t feet = EnemyDrawnHeight(slot) + kFeetHeight;
        if (feet >= HeroLane + 386 && feet <= HeroLane + 406) {
            if (EnemyState[slot] == ChainsawWalkLeft && HeroX - 20 < EnemyX[slot] && EnemyX[slot] < HeroX &&
                r == 0) {
                EnemyState[slot] = ChainsawSwingLeft;
                EnemyFrame[slot] = 15;
            } else if (EnemyState[slot] == ChainsawWalkRight && HeroX - 120 < EnemyX[slot] &&
                       EnemyX[slot] < HeroX - 100 && r == 0) {
                EnemyState[slot] = ChainsawSwingRight;
                EnemyFrame[slot] = 3;
            }
        }
    }

    if (EnemyState[slot] == ChainsawWalkLeft || EnemyState[slot] == ChainsawWalkRight) EnemyIdleVoice(slot);

    // The saw smokes while it bites.
    if (EnemyState[slot] == ChainsawSwingLeft && RandomInt(0, 20) == 1) {
        SpawnExplosion(EnemyX[slot] + 44, EnemyDrawnHeight(slot) + 20, Smoke);
    }
    if (EnemyState[slot] == ChainsawSwingRight && RandomInt(0, 20) == 1) {
        SpawnExplosion(EnemyX[slot] + 88, EnemyDrawnHeight(slot) + 20, Smoke);
    }
}
