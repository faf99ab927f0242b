// The street gunman's tick.
#include "play/street_gunman.h"

#include "media.h"
#include "play/bullets.h"
#include "play/enemies.h"
#include "play/enemy_look.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// From the top of his cell to his feet.
constexpr int32_t kHeight = 155;
// Frames of his strip (before the look offset): a base of 0 faces right and
// walks 0..3, 11 faces left and walks 11..14; the dying frames count from
// the base of the side he is thrown to.
constexpr int32_t kStandFireRight = 4;
constexpr int32_t kCrouchFireRight = 5;
constexpr int32_t kStandFireLeft = 15;
constexpr int32_t kCrouchFireLeft = 16;

bool FeetAboveHeroLine(int32_t slot) { return EnemyDrawnHeight(slot) + kHeight < HeroLane + 395; }

// Props on screen whose window holds him: standing in a prop's band puts him
// in cover and pushes him back by `push` (once per such prop). The last such
// prop decides whether a drift step would take him into its band.
void TestCover(int32_t slot, int32_t push, bool& inCover, bool& driftBlocked) {
    for (int32_t p = 0; p < PropSlots; ++p) {
        const int32_t screenX = PropX[p] + CameraX;
        if (!(screenX > -56 && screenX < 621)) continue;
        if (!(EnemyX[slot] > PropX[p] - 45 && EnemyX[slot] < PropX[p] + 30)) continue;
        if (PropFrame[p] <= 1) continue;

        const int32_t top = PropY[p] - 33;
        const int32_t bottom = PropY[p] - 13;
        const int32_t height = EnemyDrawnHeight(slot);
        if (height >= top && height <= bottom) {
            inCover = true;
            EnemyX[slot] += push;
        }
        const int32_t drifted = height + (FeetAboveHeroLine(slot) ? 2 : -2);
        driftBlocked = drifted >= top && drifted <= bottom;
    }
}

void StepSound(int32_t slot) {
    const int32_t sound = 24 + RandomInt(0, 1);
    PlayEnemySound(slot, sound, 0.3f);
}

void WalkLeft(int32_t slot, int32_t speed) {
    bool inCover = false;
    bool driftBlocked = false;
    TestCover(slot, 2, inCover, driftBlocked);
    if (!inCover) {
        EnemyX[slot] -= speed;
    } else {
        EnemyState[slot] = GunmanStopStandLeft;
    }
    if (EnemyDrift[slot] == 1) {
        if (!inCover && !driftBlocked) DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] < HeroX + 20) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 0;
    if (StepEnemyAnimation(slot, 11, 14) && EnemyFrame[slot] == 11) StepSound(slot);
}

void WalkRight(int32_t slot, int32_t speed) {
    bool inCover = false;
    bool driftBlocked = false;
    TestCover(slot, -2, inCover, driftBlocked);
    if (!inCover) {
        EnemyX[slot] += speed;
    } else {
        EnemyState[slot] = GunmanStopStandRight;
    }
    if (EnemyDrift[slot] == 1) {
        if (!inCover && !driftBlocked) DriftTowardHero(slot, kHeight);
        if (EnemyX[slot] > HeroX - 70) EnemyDrift[slot] = 0;
    }
    EnemyFacing[slot] = 1;
    if (StepEnemyAnimation(slot, 0, 3) && EnemyFrame[slot] == 0) StepSound(slot);
}

void HoldAndFire(int32_t slot) {
    const int32_t frame = EnemyFrame[slot];
    if (EnemyShotCount[slot] < 2 && EnemyShotLatch[slot] == 0) {
        const int32_t y = EnemyDrawnHeight(slot);
        int32_t bx = EnemyX[slot] - 5;
        int32_t by = y + 11;
        int32_t dir = 12;
        if (frame == kCrouchFireLeft) by = y + 35;
        if (frame == kStandFireRight || frame == kCrouchFireRight) {
            bx = EnemyX[slot] + 79;
            dir = 4;
        }
        if (frame == kCrouchFireRight) by = y + 35;
        // The third look carries explosive rounds.
        const int32_t kind = StreetGunmanLook(slot) == 48 ? 4 : 0;
        FireBullet(slot + 1, bx, by, kind, dir);
        ++EnemyShotCount[slot];
        EnemyShotLatch[slot] = 1;
    }
    // The hero has passed him: he walks off, either way.
    if ((frame == kStandFireLeft || frame == kCrouchFireLeft) && EnemyX[slot] < HeroX + 20) {
        EnemyState[slot] = RandomInt(0, 1);
        EnemyDrift[slot] = 0;
    }
    if ((frame == kStandFireRight || frame == kCrouchFireRight) && EnemyX[slot] > HeroX - 70) {
        EnemyState[slot] = RandomInt(0, 1);
        EnemyDrift[slot] = 0;
    }
    // Late in a long pause he may give up his position.
    if (EnemyShotCount[slot] > 10 && RandomInt(0, 50) == 0) EnemyState[slot] = RandomInt(0, 1);
}

}  // namespace

void UpdateWalker(int32_t slot) {
    const int32_t speed = EnemyHealth[slot] < 2 ? 1 : EnemySpeedToggle;

    if (EnemyState[slot] == GunmanWalkLeft) WalkLeft(slot, speed);
    if (EnemyState[slot] == GunmanWalkRight) WalkRight(slot, speed);
    if (EnemyState[slot] == GunmanWalkLeft || EnemyState[slot] == GunmanWalkRight) {
        if (EnemyDrift[slot] == 0 && RandomInt(0, 50) == 1) EnemyDrift[slot] = 1;
    }

    // Stopping: the firing pose of the stop, then hold there.
    switch (EnemyState[slot]) {
        case GunmanStopStandLeft: EnemyFrame[slot] = kStandFireLeft; EnemyState[slot] = GunmanHoldAndFire; break;
        case GunmanStopCrouchLeft: EnemyFrame[slot] = kCrouchFireLeft; EnemyState[slot] = GunmanHoldAndFire; break;
        case GunmanStopStandRight: EnemyFrame[slot] = kStandFireRight; EnemyState[slot] = GunmanHoldAndFire; break;
        case GunmanStopCrouchRight: EnemyFrame[slot] = kCrouchFireRight; EnemyState[slot] = GunmanHoldAndFire; break;
        default: break;
    }

    if (EnemyState[slot] == GunmanHoldAndFire) HoldAndFire(slot);

    if (EnemyState[slot] == 100) {
        StartThrownBackDeath(slot, 11, 6);  // dying frames 6..10, facing right 17..21
        return;
    }
    if (EnemyState[slot] > 100) {
        if (StepThrownBackDeath(slot, 11, 6)) return;
    }

    // Drawn on every call that gets this far, walking or not.
    const int32_t r = RandomInt(0, 25);
    if (EnemyState[slot] == GunmanWalkLeft || EnemyState[slot] == GunmanWalkRight) {
        TurnAtLimits(slot, -84, StageLength, 640, -90);
        const int32_t feet = EnemyDrawnHeight(slot) + kHeight;
        if (feet >= HeroLane + 386 && feet <= HeroLane + 406) {
            if (EnemyState[slot] == GunmanWalkLeft && HeroX + 100 < EnemyX[slot] && EnemyX[slot] < HeroX + 200 &&
                r == 0) {
                EnemyState[slot] = GunmanStopStandLeft + RandomInt(0, 1);
            } else if (EnemyState[slot] == GunmanWalkRight && HeroX - 200 < EnemyX[slot] &&
                       EnemyX[slot] < HeroX - 100 && r == 0) {
                EnemyState[slot] = GunmanStopStandRight + RandomInt(0, 1);
            }
        }
    }
}
