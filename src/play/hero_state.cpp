// The hero's state machine, his torso frame and the flying helmet.
#include "play/hero_state.h"

#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/hero_control.h"
#include "play/hero_hits.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t HeroPoseSaved = 0;
int32_t HeroWalkTick = 0;
int32_t HeroWalkTickMax = 10;
int32_t HeroJumpTick = 0;

namespace {

constexpr int32_t HurtInterval = 50;     // ms between the hurt flash's steps
constexpr int32_t DyingInterval = 380;   // ms between the dying steps
constexpr int32_t LaneTop = -149;
constexpr int32_t LaneBottom = 90;

// A timed step advances once more than `interval` ms have passed since the
// last one; the step time then becomes the clock's reading.
bool StepDue(int32_t interval) {
    if (MillisSince(HeroAnimTime) > interval) {
        HeroAnimTime = ElapsedMillis();
        return true;
    }
    return false;
}

bool Airborne() { return HeroJumpPhase > 0; }

// The step interval of the intro, stage exit and special move.
int32_t HeroAnimPeriod() { return SlowMotion == 4 ? 300 : 150; }

// ------------------------------------------------------------------ life loss

void LaunchHelmet() {
    HelmetOn = 0;
    HelmetState = 1;
    HelmetX = HeroX + 12;
    HelmetY = HeroFootY + HeroLane + 40;
    HelmetTick = 0;
    HelmetFrame = 0;
    HelmetFloorY = HeroState == 3 ? HelmetY + 54 : HelmetY + 69;
}

void LoseLife() {
    if (TimeLeft < 50 && Lives > 1) TimeLeft = 50;
    HeroEnergy = 0;
    Lives -= 1;
    if (Lives >= 0) LivesLost += 1;
    if (Lives < 2 && HelmetOn == 1 && HelmetState == 0) LaunchHelmet();
    if (Lives >= 0) PlaySoundOn(PowerDownSound, 0);
    if (Lives >= 1) {
        HeroEnergy = 100;
        HurtHero();
    }
    if (Lives < 1) {
        // The only way into Dying; the step and its clock are taken as found.
        HeroStateSaved = HeroState;
        HeroState = 9;
    }
}

// Returns true when the tick's update ends here (stage 16's time-out).
bool CheckTimeOutAndLives() {
    if (StageNumber == 16) {
        if (TimeLeft <= 0 && HeroState != 7) {
            TimeLeft = 0;
            HeroState = 7;
            HeroAnimStep = 16;
            HeroX += 1;
            HeroAnimTime = ElapsedMillis();
            return true;
        }
        return false;  // stage 16 never takes a life
    }
    if (HeroEnergy <= 0 || TimeLeft <= 0) LoseLife();
    return false;
}

// ------------------------------------------------------------------ state blocks

void RunRest() {
    if (FireHeld == 1 || JumpHit == 1 || InputDir > 0) {
        HeroState = 5;
        HeroAnimStep = -1;
        HeroAnimTime = ElapsedMillis();
    }
}

void RunJumpStart() {
    if (HeroState >= 0 && HeroState <= 2 && JumpHit == 1 && HeroJumpPhase == 0) {
        HeroJumpPhase = 1;
        HeroAnimStep = -1;
    }
}

// Walking runs only on movement ticks; until one comes the state waits.
void RunWalk(int32_t facing, int32_t mode) {
    if (SlowMotionTick != 0) return;
    HeroFacing = facing;
    if (InputDir == 3 || InputDir == 4) {
        MoveHero(0);
    } else {
        MoveHero(mode);
    }
    if (HeroWalkTick == 0) {
        HeroWalkStep += 1;
        BobHero();
    }
    if (HeroWalkStep > 7) HeroWalkStep = 0;
    if (HeroWalkTick == 0 && (HeroWalkStep == 0 || HeroWalkStep == 4)) PlaySfx(1, 0.7f, HeroPan);
    if (Airborne()) HeroWalkStep = 5;
    HeroState = 0;
}

void RunIntro() {
    HeroFootY = 278;
    if (HeroAnimStep == -1) {
        HeroAnimStep = 0;
        HeroAnimTime = ElapsedMillis();
        PlaySfx(2, 1.0f, HeroPan);  // gun drawn
    }
    if (StepDue(HeroAnimPeriod())) HeroAnimStep += 1;
    if (HeroAnimStep == 9) HeroAnimStep = 10;
    if (HeroAnimStep > 11) {
        HeroState = 0;
        HeroFacing = 1;
        HeroWalkStep = 5;
        HeroPose = 0;
        HeroAnimStep = 0;
    }
}

void RunStageExit() {
    HeroFootY = 278;
    if (HeroAnimStep == 16) {
        HeroAnimStep = 15;
        HeroAnimTime = ElapsedMillis();
        PlaySfx(3, 1.0f, HeroPan);  // gun stowed
        HeroX -= 2;
        PlayVoiceLine(4);
    }
    if (StepDue(HeroAnimPeriod())) HeroAnimStep -= 1;
    if (HeroAnimStep > 15) HeroAnimStep = 15;
    if (HeroAnimStep < 0) {
        HeroFacing = 1;
        HeroAnimStep = 0;
        StageResult = 3;  // the state stays StageExit
    }
}

void RunHurt() {
    if (HeroAnimStep == -1) {
        HeroAnimStep = 0;
        HeroAnimTime = ElapsedMillis();
        HeroPoseSaved = HeroPose;
    }
    if (StepDue(HurtInterval)) HeroAnimStep += 1;
    HeroPose = 5;
    if (HeroAnimStep > 2) {
        HeroState = HeroStateSaved;
        HeroStateSaved = 0;
        HeroPose = HeroPoseSaved;
        HeroPoseSaved = 0;
        HeroAnimStep = 0;
    }
}

// Smoke all along, blasts in the middle of the dying; each one rolled with
// chance 1 in 11 on the ticks of its steps, in this order.
void DyingEffects() {
    const int32_t step = HeroAnimStep;
    if (step < 39 && RandomInt(0, 10) == 0) {
        const int32_t dx = RandomInt(0, 20);
        const int32_t dy = RandomInt(-10, 10);
        SpawnExplosion(HeroX + dx, HeroFootY + HeroLane - dy, 5);
    }
    if (step >= 6 && step <= 32 && RandomInt(0, 10) == 0) {
        const int32_t dx = RandomInt(-30, 40);
        const int32_t kind = RandomInt(1, 2);
        SpawnExplosion(HeroX + dx, HeroFootY + HeroLane + 10, kind);
    }
    if (step >= 20 && step <= 29 && RandomInt(0, 10) == 0) {
        const int32_t dx = RandomInt(-60, 40);
        const int32_t dy = RandomInt(-30, -10);
        SpawnExplosion(HeroX + dx, HeroFootY + HeroLane + dy, 3);
    }
}

void RunDying() {
    HeroFootY = 294;
    HeroPose = 5;
    HeroJumpPhase = 0;
    if (HeroAnimStep == -1) {
        HeroAnimStep = 0;
        HeroAnimTime = ElapsedMillis();
    }
    if (StepDue(DyingInterval)) HeroAnimStep += 1;
    DyingEffects();
    if (HeroAnimStep > 39) StageResult = 2;
}

void RunSpecialStart() {
    HeroFootY = 278;
    PlayVoiceLine(-1);
    SpecialReady = 0;
    HeroState = 11;
    HeroWalkStep = 8;
    HeroPose = 0;
    HeroAnimStep = 0;
}

void RunSpecial() {
    if (HeroAnimStep == 1) {
        PlaySfx(38, 0.5f, HeroPan);  // missile away
        HeroAnimStep = 2;
        FireBullet(0, HeroX - 15, HeroFootY - 57 + HeroLane, 2, 0);  // straight up
    }
    if (StepDue(HeroAnimPeriod())) HeroAnimStep += 1;
    HeroPose = 6;
    HeroWalkStep = 8;
    if (HeroAnimStep == 5) {
        HeroAnimStep = 6;
        AirStrikeActive = 1;
        AirStrikeTick = 0;
    }
    if ((HeroAnimStep > 6 && InputDir > 0) || HeroAnimStep > 10) {
        HeroState = 0;
        HeroWalkStep = 5;
        HeroPose = 0;
        HeroAnimStep = 0;
    }
}

// ------------------------------------------------------------------ low energy

void LowEnergyEffects() {
    if (HeroEnergy < 15 && RandomInt(0, 100) == 0) {
        const int32_t dx = RandomInt(0, 20);
        const int32_t dy = RandomInt(20, 40);
        SpawnExplosion(HeroX + dx, HeroFootY + HeroLane - dy, 5);
    }
    if (HeroEnergy < 10) {
        const int32_t roll = RandomInt(0, 50);  // rolled also while ducking
        if (roll == 0 && HeroState != 3) {
            const int32_t dx = RandomInt(5, 15);
            SpawnDrop(HeroX + dx, HeroFootY + HeroLane - 40);
        }
    }
}

// ------------------------------------------------------------------ jump

// 3 px up per move until the feet are above 200, then down 7 px per move
// while above 214 and 3 px from there; a move on every tick, every third in
// slow motion.
void RunJump() {
    const int32_t threshold = SlowMotion == 4 ? 8 : 0;
    HeroJumpTick += 4;
    if (Airborne() && HeroState != 8) HeroState = 0;
    if (HeroJumpPhase == 1) {
        HeroJumpPhase = 2;
        HeroWalkStep = 5;
        PlaySfx(47, 0.2f, HeroPan);
    }
    if (HeroJumpPhase == 2) {
        if (HeroJumpTick > threshold) HeroFootY -= 3;
        if (HeroFootY < 200) HeroJumpPhase = 3;
    }
    if (HeroJumpPhase == 3) {
        if (HeroJumpTick > threshold) {
            HeroFootY += 3;
            if (HeroFootY < 214) HeroFootY += 4;
        }
        if (HeroFootY > 270) ScreenShake = 1;
        if (HeroFootY > 277) {
            // Landed; the feet stay where they came down.
            HeroJumpPhase = 0;
            HeroState = 0;
            HeroWalkStep = 0;
            ScreenShake = 0;
            if (HeroPose == 5) HeroPose = 0;
            PlaySfx(1, 0.7f, HeroPan);
        }
    }
    if (HeroJumpTick > threshold) HeroJumpTick = 0;
}

// ------------------------------------------------------------------ flying helmet

// The roll turns one cell per step within the state's own range: 0..7 for
// the states 2 and 3, 8..15 for 4 and 5.
int32_t RollFrame(int32_t frame, int32_t turn, int32_t first) {
    return first + ((frame - first + turn) % 8 + 8) % 8;
}

void StepHelmet() {
    const bool onFloor = HelmetY >= HelmetFloorY;
    const bool leftward = HelmetState == 2 || HelmetState == 4;
    const int32_t first = (HelmetState == 2 || HelmetState == 3) ? 0 : 8;
    const int32_t turn = (HelmetState == 2 || HelmetState == 5) ? 1 : -1;
    if (onFloor) {
        HelmetX += leftward ? -2 : 2;
        HelmetFrame = RollFrame(HelmetFrame, turn, first);
    }
    if (HelmetY < HelmetFloorY) HelmetY += 6;
    HelmetX += leftward ? -4 : 4;

    const int32_t screenX = HelmetX + CameraX;
    if ((leftward && screenX < -15) || (!leftward && screenX > 640)) {
        HelmetX = 0;
        HelmetY = 0;
        HelmetFloorY = 0;
        HelmetFrame = 0;
        HelmetTick = 0;
        HelmetState = 9;  // gone for the rest of the section
    }
}

}  // namespace

void UpdateHeroState() {
    if (CheckTimeOutAndLives()) return;

    const int32_t facingBefore = HeroFacing;
    ParallaxDir = 0;
    ParallaxDiv = 5;
    HeroWalkTick += 1;
    if (HeroWalkTick > HeroWalkTickMax) HeroWalkTick = 0;
    if (HeroLane < LaneTop) HeroLane = LaneTop;
    if (HeroLane > LaneBottom) HeroLane = LaneBottom;

    // A state entered by an earlier block runs its own block in the same call.
    if (HeroState == -1) RunRest();
    RunJumpStart();
    if (HeroState == 1) RunWalk(0, 1);
    if (HeroState == 2) RunWalk(1, 2);
    if (HeroState == 3 && !Airborne()) HeroFootY = 294;
    if (HeroState == 4 && !Airborne()) {
        HeroFootY = 278;
        HeroState = 0;
    }
    if (HeroState == 5) RunIntro();
    if (HeroState == 7) RunStageExit();
    if (HeroState == 8) RunHurt();
    if (HeroState == 9) RunDying();
    if (HeroState == 10) RunSpecialStart();
    if (HeroState == 11) RunSpecial();

    if (HeroState != 9) LowEnergyEffects();
    if (HeroFacing != facingBefore) PlaySfx(47, 0.2f, HeroPan);
    RunJump();
}

void UpdateHeroFrame() {
    if (HeroTorsoFrame != HeroPose) {
        HeroTorsoFrame = HeroPose;
        PlaySfx(47, 0.2f, HeroPan);
    }
}

void UpdateFlyingHelmet() {
    if (HelmetState == 0 || HelmetState == 9) return;
    if (HelmetState == 1) {
        PlaySfx(17, 1.0f, HeroPan);
        PlaySfx(17, 1.0f, HeroPan);
        const int32_t r = RandomInt(0, 1);
        HelmetState = r + (HeroFacing == 0 ? 4 : 2);
        HelmetFrame = (HelmetState == 2 || HelmetState == 3) ? 0 : 8;
    }
    if (SlowMotionTick != 0) return;
    HelmetTick += 1;
    if (HelmetTick > 1) {
        HelmetTick = 0;
        StepHelmet();
    }
}
