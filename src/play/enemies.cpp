// The enemy pass, the section's clear rules, the blast of stage 1, corpses,
// and the rules the kind routines share.
#include "play/enemies.h"

#include "media.h"
#include "play/biker.h"
#include "play/chainsaw_killer.h"
#include "play/effects.h"
#include "play/enemy_look.h"
#include "play/enemy_hits.h"
#include "play/kr770.h"
#include "play/props.h"
#include "play/rogue_officer.h"
#include "play/slow_motion.h"
#include "play/sniper.h"
#include "play/spawning.h"
#include "play/street_gunman.h"
#include "play/tables.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t EnemyTickTime = 0;

namespace {

// The hero leaves the section: the stage exit's walk-off begins.
void StartStageExit() {
    HeroState = 7;
    HeroAnimStep = 16;
    ++HeroX;
    HeroAnimTime = ElapsedMillis();
}

bool SpawnListPending() {
    for (int32_t i = 0; i < SpawnEntrySlots; ++i) {
        if (SpawnEntryKind[i] >= 0) return true;
    }
    return false;
}

// A section ends when nobody is left and the hero stands on the ground at
// its end; the lift (8) and the roof (11) need 150 kills first and an empty
// spawn list, the yard (9) only an empty street.
void ApplyStageClearRules(int32_t liveThisPass) {
    const bool quiet = liveThisPass == 0 && HeroState == 0 && HeroJumpPhase == 0 && AirStrikeActive == 0;

    if (StageNumber != 8 && StageNumber != 9 && StageNumber != 11) {
        if (quiet && HeroX > StageLength - 70) StartStageExit();
    }
    if (StageNumber == 8 || StageNumber == 11) {
        if (HeroJumpPhase == 0 && StageKills > 149 && !SpawnListPending() && quiet) {
            StartStageExit();
            if (StageNumber == 8) {
                StartStageExit();
                PlaySfx(48, 1.0f, 0.0f);
            }
        }
    }
    if (StageNumber == 9) {
        if (quiet) StartStageExit();
    }
}

// Stage 1: once the prop in slot 0 is gone the plant blows up around the
// hero for 500 enemy ticks: the screen shakes, blasts go off, enemies and
// props near him take damage.
void UpdateBlastEvent() {
    if (PropFrame[0] == -1 && BlastEventTick < 500) {
        ScreenShake = 0;
        ++BlastEventTick;
        if (RandomInt(0, 4) == 0) {
            ScreenShake = 1;
            const int32_t kind = RandomInt(1, 3);
            const int32_t y = RandomInt(0, 230) - 100;
            const int32_t x = 4590 + RandomInt(0, 654);
            SpawnExplosion(x, y, kind);
        }
        for (int32_t slot = 0; slot < EnemySlots; ++slot) {
            if (EnemyKind[slot] < 0) continue;
            if (EnemyX[slot] - 640 < HeroX && HeroX < EnemyX[slot] + 640) {
                if (RandomInt(0, 19) == 0) --EnemyHealth[slot];
            }
        }
        for (int32_t slot = 0; slot < PropSlots; ++slot) {
            if (PropX[slot] - 640 < HeroX && HeroX < PropX[slot] + 640) HitProp(slot);
        }
    } else {
        ScreenShake = 0;
    }
}

}  // namespace

void UpdateEnemies() {
    ++EnemySpeedToggle;
    if (EnemySpeedToggle > 2) EnemySpeedToggle = 1;
    ++EnemyHalfStep;
    if (EnemyHalfStep > 1) EnemyHalfStep = 0;

    UpdateSpawnList();

    // Slow motion: the enemies act on one tick in five.
    if (SlowMotionTick != 0) return;

    ++EnemyAnimDivider;
    if (EnemyAnimDivider > 10) EnemyAnimDivider = 0;

    // About every 100 ms the refire latches of all slots step on.
    bool refireTick = false;
    if (MillisSince(EnemyTickTime) > 100) {
        EnemyTickTime = ElapsedMillis();
        const int32_t latchMax = SlowMotion + 10 - 4 * Difficulty;
        for (int32_t slot = 0; slot < EnemySlots; ++slot) {
            ++EnemyShotLatch[slot];
            if (EnemyShotLatch[slot] > latchMax) EnemyShotLatch[slot] = -1;
        }
        refireTick = true;
    }

    int32_t live = 0;
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        if (EnemyKind[slot] < 0) continue;
        // Counted as live for this pass even if its routine frees it below.
        ++live;

        HitTestBulletsOnEnemy(slot);

        if (EnemyKind[slot] == KindSniper) UpdateSniper(slot);
        if (EnemyKind[slot] == KindGunman) UpdateWalker(slot);
        if (EnemyKind[slot] == KindBiker) UpdateBiker(slot);
        if (EnemyKind[slot] == KindChainsaw) UpdateChainsaw(slot);
        if (EnemyKind[slot] == KindRogueCop) UpdateRogueCop(slot);
        if (EnemyKind[slot] == KindKR770) UpdateKR770(slot);

        DespawnEnemyBehind(slot);

        if (EnemyHealth[slot] < 1 && EnemyState[slot] < 100) EnemyState[slot] = 100;

        if (refireTick) {
            if (EnemyShotCount[slot] > 1) ++EnemyShotCount[slot];
            if (EnemyShotCount[slot] > 29) EnemyShotCount[slot] = -1;
        }
    }

    ApplyStageClearRules(live);

    if (StageNumber == 1) UpdateBlastEvent();
}

void DespawnEnemyBehind(int32_t slot) {
    if (EnemyKind[slot] == KindKR770) return;
    if (HeroX > EnemyX[slot] + 800) {
        FreeEnemySlot(slot);
        EnemyFacing[slot] = 0;
    }
}

void AddCorpse(int32_t slot) {
    CorpseKind[CorpseNext] = EnemyKind[slot];
    CorpseX[CorpseNext] = EnemyX[slot];
    CorpseY[CorpseNext] = EnemyY[slot] + EnemyLane[slot];
    const int32_t look = EnemyKind[slot] == KindGunman ? StreetGunmanLook(slot) : 0;
    CorpseFrame[CorpseNext] = EnemyFrame[slot] + look;
    ++CorpseNext;
    if (CorpseNext > CorpseSlots - 1) CorpseNext = 0;
}

void CullCorpses() {
    for (int32_t i = 0; i < CorpseSlots; ++i) {
        if (CorpseKind[i] < 0) continue;
        if (HeroX > CorpseX[i] + 800) {
            CorpseKind[i] = -1;
            CorpseX[i] = -1;
            CorpseY[i] = -1;
            CorpseFrame[i] = -1;
        }
    }
}

void EnemyIdleVoice(int32_t slot) {
    if (RandomInt(0, 250) != 0) return;
    EnemySoundPan(slot);
    if (EnemyKind[slot] == KindKR770) PlaySfx(34, 1.0f, EnemyPan);
    if (EnemyKind[slot] == KindChainsaw) PlaySfx(42, 0.8f, EnemyPan);
}

// ------------------------------------------------------------------ shared by the kind routines

int32_t EnemyDrawnHeight(int32_t slot) { return EnemyY[slot] + EnemyLane[slot]; }

int32_t EnemyFrameBase(int32_t slot, int32_t leftBase, int32_t rightBase) {
    if (EnemyFacing[slot] == 0) return leftBase;
    if (EnemyFacing[slot] == 1) return rightBase;
    return 0;
}

void PlayEnemySound(int32_t slot, int32_t sound, float volume) {
    EnemySoundPan(slot);
    PlaySfx(sound, volume, EnemyPan);
}

bool StepEnemyAnimation(int32_t slot, int32_t lo, int32_t hi) {
    const bool divider = EnemyAnimDivider == 0;
    if (divider) ++EnemyFrame[slot];
    if (EnemyFrame[slot] < lo || EnemyFrame[slot] > hi) EnemyFrame[slot] = lo;
    return divider;
}

void DriftTowardHero(int32_t slot, int32_t height) {
    const int32_t feet = EnemyY[slot] + EnemyLane[slot] + height;
    if (feet < HeroLane + 395) {
        EnemyLane[slot] += EnemyHalfStep;
    } else {
        EnemyLane[slot] -= EnemyHalfStep;
    }
}

void TurnAtLimits(int32_t slot, int32_t left, int32_t right, int32_t screenRight, int32_t screenLeft) {
    if (EnemyX[slot] < left) {
        EnemyX[slot] = left;
        EnemyState[slot] = 1;
        EnemyDrift[slot] = RandomInt(0, 1);
    }
    if (EnemyX[slot] > right) {
        EnemyX[slot] = right;
        EnemyState[slot] = 0;
        EnemyDrift[slot] = RandomInt(0, 1);
    }
    if (EnemyX[slot] > screenRight - CameraX) {
        EnemyState[slot] = 0;
        EnemyDrift[slot] = RandomInt(0, 1);
    }
    if (EnemyX[slot] < screenLeft - CameraX) {
        EnemyState[slot] = 1;
        EnemyDrift[slot] = RandomInt(0, 1);
    }
}

void FreeEnemySlot(int32_t slot) {
    EnemyHealth[slot] = -1;
    EnemyKind[slot] = -1;
    EnemyX[slot] = -1;
    EnemyY[slot] = -1;
    EnemyLane[slot] = -1;
    EnemyDrift[slot] = -1;
    EnemyState[slot] = -1;
    EnemyFrame[slot] = -1;
    EnemyShotCount[slot] = -1;
}

void StartThrownBackDeath(int32_t slot, int32_t rightBase, int32_t firstFrame) {
    ++EnemiesKilled;
    ++StageKills;
    const int32_t scream = 14 + RandomInt(0, 2);
    PlayEnemySound(slot, scream, 1.0f);
    // Thrown away from the hero.
    EnemyFacing[slot] = EnemyX[slot] > HeroX ? 1 : 0;
    EnemyState[slot] = 101;
    EnemyFrame[slot] = (EnemyFacing[slot] == 1 ? rightBase : 0) + firstFrame;
}

bool StepThrownBackDeath(int32_t slot, int32_t rightBase, int32_t firstFrame) {
    const int32_t base = EnemyFacing[slot] == 1 ? rightBase : 0;
    ++EnemyState[slot];
    const int32_t state = EnemyState[slot];
    if (state < 180) EnemyX[slot] += EnemyFacing[slot] == 0 ? -2 : 2;
    if (state < 106) --EnemyY[slot];
    if (state > 120 && EnemyY[slot] < 265) ++EnemyY[slot];
    if (state > 120) EnemyFrame[slot] = base + firstFrame + 1;
    if (state > 140) EnemyFrame[slot] = base + firstFrame + 2;
    if (state > 160) EnemyFrame[slot] = base + firstFrame + 3;
    if (state == 160) {
        PlayEnemySound(slot, 20, 1.0f);
        ++EnemyState[slot];
        ScreenShake = 1;
    }
    if (EnemyState[slot] > 170) ScreenShake = 0;
    if (EnemyState[slot] > 310) EnemyFrame[slot] = base + RandomInt(firstFrame + 3, firstFrame + 4);
    if (EnemyState[slot] > 410) {
        AddCorpse(slot);
        FreeEnemySlot(slot);
        return true;
    }
    return false;
}
