// Explosions, falling glass, blood drops and shell casings.
#include "play/effects.h"

#include "media.h"
#include "play/slow_motion.h"
#include "play/tables.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t ExplosionTick = 0;
int32_t DebrisTick = 0;
int32_t BloodDropTick = 0;

namespace {

// Sound number and volume of each explosion kind when it is set off.
struct BlastSound {
    int32_t sound;
    float volume;
};
constexpr BlastSound kBlastSounds[7] = {
    {0, 0.0f},
    {12, 0.4f},  // small blast
    {12, 0.5f},  // medium blast
    {12, 0.7f},  // big blast
    {36, 0.4f},  // fireball
    {39, 0.7f},  // smoke
    {39, 0.5f},  // powder
};

void FreeExplosion(int32_t slot) {
    ExplosionX[slot] = 0;
    ExplosionY[slot] = 0;
    ExplosionFrame[slot] = -1;
    ExplosionKind[slot] = 0;
}

// On frame `frame` of a burning blast or fireball, one chance in 11 each tick
// of a smoke puff at (x, y).
void MaybePuff(int32_t slot, int32_t frame, int32_t x, int32_t y) {
    if (ExplosionFrame[slot] != frame) return;
    if (RandomInt(0, 10) == 0) SpawnExplosion(x, y, Smoke);
}

}  // namespace

// ------------------------------------------------------------------ explosions

void SpawnExplosion(int32_t x, int32_t y, int32_t kind) {
    // No other kind exists; one would hold its slot for ever.
    if (kind < SmallBlast || kind > Powder) return;
    // The first free slot; with all 31 busy, slot 0 is taken over.
    int32_t slot = 0;
    for (int32_t i = 0; i < ExplosionSlots; ++i) {
        if (ExplosionKind[i] == 0) {
            slot = i;
            break;
        }
    }
    // Thin out smoke: a puff right above another puff's slot is not made.
    if (kind == Smoke && slot >= 4 && ExplosionKind[slot - 4] == Smoke) return;

    ExplosionX[slot] = x;
    ExplosionY[slot] = y;
    ExplosionFrame[slot] = 0;
    ExplosionKind[slot] = kind;

    ExplosionSoundPan(slot);
    PlaySfx(kBlastSounds[kind].sound, kBlastSounds[kind].volume, ExplosionPan);
}

void UpdateExplosions() {
    const int32_t period = SlowMotion != 0 ? 30 : 10;
    ++ExplosionTick;
    if (ExplosionTick > period) ExplosionTick = 0;
    const bool step = ExplosionTick == 0;

    for (int32_t slot = 0; slot < ExplosionSlots; ++slot) {
        if (ExplosionKind[slot] <= 0) continue;

        const int32_t kind = ExplosionKind[slot];
        if (kind == SmallBlast || kind == MediumBlast || kind == BigBlast || kind == Smoke || kind == Powder) {
            if (step) {
                ++ExplosionFrame[slot];
                if (kind <= BigBlast) ExplosionY[slot] -= 4;
            }
            const int32_t x = ExplosionX[slot];
            const int32_t y = ExplosionY[slot];
            if (kind == SmallBlast) MaybePuff(slot, 5, x, y);
            if (kind == MediumBlast) MaybePuff(slot, 5, x + 6, y);
            if (kind == BigBlast) MaybePuff(slot, 5, x + 27, y);
            if (ExplosionFrame[slot] > 10) FreeExplosion(slot);
        }

        // Read again: a slot freed just above is skipped.
        if (ExplosionKind[slot] == Fireball) {
            if (step) ++ExplosionFrame[slot];
            if (ExplosionFrame[slot] < 2) ExplosionFrame[slot] = 2;
            MaybePuff(slot, 4, ExplosionX[slot] + 2, ExplosionY[slot]);
            if (ExplosionFrame[slot] > 6) FreeExplosion(slot);
        }
    }

    if (ExplosionTick == 0) ExplosionTick = 1;
}

// ------------------------------------------------------------------ falling glass

void SpawnObjectDebris(int32_t prop) {
    for (int32_t slot = 0; slot < DebrisSlots; ++slot) {
        if (DebrisFrame[slot] != -1) continue;
        DebrisX[slot] = PropX[prop];
        DebrisY[slot] = PropY[prop] - 10;
        DebrisFrame[slot] = 0;
        return;
    }
}

void UpdateObjectDebris() {
    const int32_t period = SlowMotion == 4 ? 30 : 6;
    ++DebrisTick;
    if (DebrisTick > period) DebrisTick = 0;

    for (int32_t slot = 0; slot < DebrisSlots; ++slot) {
        if (DebrisFrame[slot] < 0) continue;
        if (DebrisTick == period) ++DebrisFrame[slot];
        if (DebrisFrame[slot] > 8) {
            DebrisX[slot] = -60;
            DebrisY[slot] = -85;
            DebrisFrame[slot] = -1;
        }
    }
}

// ------------------------------------------------------------------ blood

void SpawnDrop(int32_t x, int32_t y) {
    int32_t slot = 0;
    for (int32_t i = 0; i < BloodDropSlots; ++i) {
        if (BloodDropAge[i] == -1) {
            slot = i;
            break;
        }
    }
    BloodDropX[slot] = x;
    BloodDropY[slot] = y;
    BloodDropDrift[slot] = RandomInt(0, 2);
    BloodDropAge[slot] = 6;
    const int32_t fall = RandomInt(40, 90);
    BloodDropFloorY[slot] = y + fall;
}

void UpdateBlood() {
    const int32_t period = SlowMotion != 0 ? 10 : 0;
    ++BloodDropTick;
    if (BloodDropTick > period) BloodDropTick = 0;
    const bool step = BloodDropTick == 0;

    for (int32_t slot = 0; slot < BloodDropSlots; ++slot) {
        if (BloodDropAge[slot] < 6) continue;

        if (BloodDropAge[slot] == 6 && step) {
            if (BloodDropY[slot] > BloodDropFloorY[slot]) {
                BloodDropAge[slot] = 7;
                DropSoundPan(slot);
                PlaySfx(19, 0.3f, BloodDropPan);
            }
            BloodDropY[slot] += 2;
        }
        if (BloodDropAge[slot] == 6 && step) {
            const int32_t r = RandomInt(1, 2);
            if (BloodDropDrift[slot] == 1) BloodDropX[slot] -= r;
            if (BloodDropDrift[slot] == 2) BloodDropX[slot] += r;
        }
        if (BloodDropAge[slot] > 6 && step) ++BloodDropAge[slot];
        if (BloodDropAge[slot] == 50) {
            const int32_t extra = RandomInt(0, 20);
            BloodDropAge[slot] += extra;
        }
        if (BloodDropAge[slot] > 150) {
            BloodDropX[slot] = 0;
            BloodDropY[slot] = 0;
            BloodDropDrift[slot] = 0;
            BloodDropFloorY[slot] = 0;
            BloodDropAge[slot] = -1;
        }
    }
}

// ------------------------------------------------------------------ shell casings

void SpawnShellCasing(int32_t x, int32_t y, int32_t kind, int32_t side) {
    for (int32_t slot = 0; slot < ShellCasingSlots; ++slot) {
        if (ShellCasingKind[slot] != -1) continue;
        ShellCasingX[slot] = x;
        ShellCasingY[slot] = y;
        ShellCasingSpin[slot] = 0;
        ShellCasingKind[slot] = kind;
        ShellCasingSide[slot] = side;
        const int32_t fall = RandomInt(50, 70);
        ShellCasingFloorY[slot] = y + fall;
        return;
    }
}

void UpdateShellCasings() {
    if (SlowMotionTick != 0) return;

    for (int32_t slot = 0; slot < ShellCasingSlots; ++slot) {
        if (ShellCasingKind[slot] == -1) continue;

        if (ShellCasingSide[slot] < 2) {
            // Tumbling through the air.
            ShellCasingY[slot] += 2;
            if (ShellCasingSide[slot] == 0) {
                const int32_t dx = RandomInt(0, 1);
                ShellCasingX[slot] -= dx;
                --ShellCasingSpin[slot];
                if (ShellCasingSpin[slot] < 0) ShellCasingSpin[slot] = 15;
            } else {
                const int32_t dx = RandomInt(0, 1);
                ShellCasingX[slot] += dx;
                ++ShellCasingSpin[slot];
                if (ShellCasingSpin[slot] > 15) ShellCasingSpin[slot] = 0;
            }
            if (ShellCasingY[slot] > ShellCasingFloorY[slot]) {
                ShellCasingSide[slot] = 2;
                ShellCasingSpin[slot] = RandomInt(0, 15);
            }
        } else {
            // Lying on the street, counting its steps there.
            ++ShellCasingSide[slot];
            if (ShellCasingSide[slot] > 100 && ShellCasingY[slot] > ShellCasingFloorY[slot]) {
                ShellCasingX[slot] = -1;
                ShellCasingY[slot] = -1;
                ShellCasingSpin[slot] = -1;
                ShellCasingKind[slot] = -1;
                ShellCasingSide[slot] = -1;
                ShellCasingFloorY[slot] = -1;
            }
        }
    }
}
