// The hero's control step, his one-step mover with the camera, the walking
// bob and the prop collision test.
#include "play/hero_control.h"

#include "media.h"
#include "play/hero_fire.h"
#include "play/stage_clock.h"
#include "play/tables.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t BacktrackBudget = 0;
int32_t HeroWalkBobDown = 0;

namespace {

constexpr int32_t LeftWalkLimit = 20;       // screen x the hero walks no further left of
constexpr int32_t RightWalkLimit = 575;     // and right of
constexpr int32_t FollowBackX = 150;        // the camera follows back left of this screen x
constexpr int32_t FollowBackFastX = 145;    // two pixels a tick left of this
constexpr int32_t FollowForwardX = 300;     // the camera follows forward right of this
constexpr int32_t FollowForwardFastX = 304; // two pixels a tick right of this
constexpr int32_t BacktrackMax = 400;
constexpr int32_t StageEndMargin = 65;      // HeroX stays below StageLength - 65

int32_t HeroScreenXNow() { return HeroX + CameraX; }

// One pixel, or every second tick only (EnemyHalfStep 0, 1, 0, ...) when the
// hero is weak or in the air.
int32_t HeroSpeed() {
    if (HeroEnergy <= 20 || HeroJumpPhase > 0) return EnemyHalfStep;
    return 1;
}

void DuckSounds() {
    PlaySfx(1, 0.7f, HeroPan);   // footstep
    PlaySfx(47, 0.2f, HeroPan);  // body movement
}

bool PointsToFacingSide(int32_t dir) {
    if (HeroFacing == 0) return dir == 1 || dir == 5 || dir == 7;
    return dir == 2 || dir == 6 || dir == 8;
}

// The lane step: up is negative. A step into a prop is taken back.
void StepLane(int32_t delta, int32_t speed) {
    if (delta == 0) return;
    HeroLane += delta * speed;
    if (HeroBlockedByProp() == 1) HeroLane -= delta * speed;
}

int32_t LaneDirection(int32_t dir) {
    if (dir == 3 || dir == 5 || dir == 6) return -1;
    if (dir == 4 || dir == 7 || dir == 8) return 1;
    return 0;
}

void MoveLeft(int32_t speed) {
    if (HeroScreenXNow() > LeftWalkLimit) HeroX -= speed;
    if (HeroScreenXNow() < FollowBackX) BacktrackBudget += speed;
    if (HeroBlockedByProp() == 1) {
        HeroX += 1;
        BacktrackBudget -= 1;
    }
    if (CameraX < 0 && HeroScreenXNow() < FollowBackX && BacktrackBudget < BacktrackMax && ScrollLock == 0) {
        ParallaxDir = 1;
        ParallaxDiv = 5;
        CameraStepLeft();
        if (HeroScreenXNow() < FollowBackFastX && CameraX < 0) {
            CameraStepLeft();
            ScrollParallax(1, 5);
        }
    }
    if (HeroX < LeftWalkLimit) HeroX = LeftWalkLimit;
    StepLane(LaneDirection(InputDir), speed);
}

void MoveRight(int32_t speed) {
    const int32_t cameraEnd = 640 - StageLength;
    if (HeroScreenXNow() < RightWalkLimit) HeroX += speed;
    if (HeroScreenXNow() > FollowForwardX) BacktrackBudget -= speed;
    if (HeroBlockedByProp() == 1) {
        HeroX -= 1;
        BacktrackBudget += 1;
    }
    if (CameraX > cameraEnd && HeroScreenXNow() > FollowForwardX && ScrollLock == 0) {
        ParallaxDir = 2;
        ParallaxDiv = 1;
        CameraStepRight();
        if (HeroScreenXNow() > FollowForwardFastX && CameraX > cameraEnd) {
            CameraStepRight();
            ScrollParallax(2, 1);
        }
    }
    if (HeroX > StageLength - StageEndMargin) HeroX = StageLength - StageEndMargin;
    StepLane(LaneDirection(InputDir), speed);
}

}  // namespace

void CameraStepLeft() {
    CameraX += 1;
    ScrollSub += 1;
    if (ScrollSub > 39) {
        ScrollSub = 0;
        ScrollColumn -= 1;
    }
}

void CameraStepRight() {
    CameraX -= 1;
    ScrollSub -= 1;
    if (ScrollSub < -39) {
        ScrollSub = 0;
        ScrollColumn += 1;
    }
}

void UpdateHeroControl() {
    if (HeroState < 0 || HeroState > 4) return;

    // The duck press is read once per call; reading it consumes it.
    int32_t duckPresses = 0;
    if (ControlDevice == 0) {
        duckPresses = KeyHitCount(KeyCodes[KeyDuck]);
    } else {
        duckPresses = JoyButtonHitCount(JoyButtons[JoyDuck], JoyPort);
    }
    const bool duckPressed = duckPresses == 1;

    if (HeroState == 3) {
        if (PointsToFacingSide(InputDir)) HeroPose = 0;
        if (duckPressed || InputDir > 0) {
            HeroState = 4;
            DuckSounds();
        }
    } else {
        switch (InputDir) {
        case 1: HeroState = 1; break;
        case 2: HeroState = 2; break;
        case 3:
        case 4: HeroState = HeroFacing == 0 ? 1 : 2; break;
        case 5:
        case 7: HeroState = 1; HeroPose = 0; break;
        case 6:
        case 8: HeroState = 2; HeroPose = 0; break;
        default: break;
        }
        if (InputDir == 0 && duckPressed) {
            HeroState = 3;
            if (HeroJumpPhase == 0) DuckSounds();
        }
    }

    if (FireHit == 1) {
        FireHeroShot();
        FireHit = 0;
    }
    if (FireHeld == 1) AutoFireHero();
    // A released fire control ends the burst (after 1000 ms in slow motion).
    if (FireHeld == 0 && MillisSince(LastShotTime) > 250 * SlowMotion) {
        BurstCount = 0;
        LastShotTime = ElapsedMillis();
        HeroPose = 0;
    }
}

void MoveHero(int32_t mode) {
    const int32_t speed = HeroSpeed();
    if (mode == 1) {
        MoveLeft(speed);
    } else if (mode == 2) {
        MoveRight(speed);
    } else {
        if (InputDir == 3) StepLane(-1, speed);
        if (InputDir == 4) StepLane(1, speed);
    }
    if (BacktrackBudget < 0) BacktrackBudget = 0;
    if (BacktrackBudget > BacktrackMax) BacktrackBudget = BacktrackMax;
}

void BobHero() {
    if (HeroWalkBobDown == 0) {
        HeroFootY += 1;
        if (HeroFootY > 279) HeroWalkBobDown = 1;
    }
    if (HeroWalkBobDown == 1) {
        HeroFootY -= 1;
        if (HeroFootY < 278) HeroWalkBobDown = 0;
    }
}

int32_t HeroBlockedByProp() {
    const int32_t laneLine = HeroLane + 277;
    for (int32_t slot = 0; slot < PropSlots; ++slot) {
        if (PropFrame[slot] <= 1) continue;  // free slots and frames 0 and 1 never block
        if (PropX[slot] - 30 < HeroX && HeroX < PropX[slot] + 45 && PropY[slot] < laneLine &&
            laneLine < PropY[slot] + 20) {
            return 1;
        }
    }
    return 0;
}
