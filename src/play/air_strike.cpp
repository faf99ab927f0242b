// The air strike's bombs.
#include "play/air_strike.h"

#include "media.h"
#include "play/effects.h"
#include "play/props.h"
#include "play/tables.h"
#include "shell/audio.h"
#include "shell/records.h"

namespace {

constexpr int32_t kKR770 = 17;

// Every bomb from a random point of the screen width, at one of 21 heights
// above it.
void LaunchBombs() {
    for (int32_t bomb = 0; bomb < BombSlots; ++bomb) {
        BombX[bomb] = RandomInt(0, 640) - CameraX;
        BombY[bomb] = -100 - 20 * RandomInt(0, 20);
        BombState[bomb] = 0;
    }
}

// One run of a bomb burning on the ground. Everything near the hero, not
// near the bomb, takes the blast.
void BurnOnGround(int32_t bomb) {
    ++BombState[bomb];
    const float pan = RandomFloat(-1.0f, 1.0f);
    PlaySfx(12, 0.2f, pan);
    ScreenShake = 1;

    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        if (EnemyKind[slot] < 0) continue;
        if (!(EnemyX[slot] - 640 < HeroX && HeroX < EnemyX[slot] + 640)) continue;
        if (RandomInt(0, 19) != 0) continue;
        --EnemyHealth[slot];
        // The walking machine can take a second hit from the same roll.
        if (EnemyKind[slot] == kKR770 && RandomInt(0, 5) == 0) --EnemyHealth[slot];
    }
    for (int32_t slot = 0; slot < PropSlots; ++slot) {
        if (PropX[slot] - 640 < HeroX && HeroX < PropX[slot] + 640) HitProp(slot);
    }
}

}  // namespace

void UpdateAirStrike() {
    if (AirStrikeActive != 1 || SlowMotionTick != 0) return;

    ++AirStrikeTick;
    if (AirStrikeTick == 1) {
        LaunchBombs();
        return;
    }

    bool busy = false;
    for (int32_t bomb = 0; bomb < BombSlots; ++bomb) {
        const int32_t ground = BombGroundLine(bomb);
        if (BombY[bomb] <= ground && BombState[bomb] < 6) BombY[bomb] += RandomInt(3, 6);
        if (BombY[bomb] > ground) BurnOnGround(bomb);
        if (BombState[bomb] > 6) {
            // Burnt out: a puff of smoke and powder, and out of play.
            SpawnExplosion(BombX[bomb], BombY[bomb] + 16, Smoke);
            SpawnExplosion(BombX[bomb] + 7, BombY[bomb] + 15, Powder);
            BombX[bomb] = 0;
            BombY[bomb] = -200;
            BombState[bomb] = 6;
        }
        if (BombState[bomb] != 6) busy = true;
    }

    // A bomb just through its sixth run counts as done too, so the last to
    // land may go without its seventh run and its puffs.
    if (busy) return;
    ScreenShake = 0;
    if (AirStrikeTick > 2) {
        AirStrikeActive = 0;
        for (int32_t bomb = 0; bomb < BombSlots; ++bomb) {
            BombY[bomb] = -100;
            BombX[bomb] = -100;
            BombState[bomb] = 0;
        }
    }
}
