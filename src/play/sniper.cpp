// The sniper's tick.
#include "play/sniper.h"

#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

// Cells of his strip: 0..2 aiming as his state, 3 falling, 5 lying (6 its
// flicker cell), 8 and 9 looking away with the hero far left or far right.
constexpr int32_t kFalling = 3;
constexpr int32_t kLying = 5;
constexpr int32_t kLookAwayLeft = 8;
constexpr int32_t kLookAwayRight = 9;

// How far he watches and fires, and how close the hero must be for him to
// aim straight down.
constexpr int32_t kRange = 320;
constexpr int32_t kStraightDown = 40;

void Die(int32_t slot) {
    ++EnemiesKilled;
    ++StageKills;
    const int32_t scream = 13 + RandomInt(0, 3);
    PlayEnemySound(slot, scream, 1.0f);
    EnemyState[slot] = 101;
    EnemyFrame[slot] = kFalling;
}

// One step of the dying timer: the fall off his ledge, the blood, the
// landing and the body. Returns true when the slot was freed.
bool StepDying(int32_t slot) {
    ++EnemyState[slot];
    if (EnemyFrame[slot] < kLying) ++EnemyY[slot];

    const int32_t height = EnemyDrawnHeight(slot);
    if (height > 70 && height < 110) {
        const int32_t x = EnemyX[slot] + 20 + RandomInt(-10, 10);
        SpawnDrop(x, height);
    }
    if (EnemyState[slot] > 150 && height > 125) {
        EnemyFrame[slot] = kLying;
        ScreenShake = 1;
    }
    if (EnemyState[slot] == 155) {
        PlayEnemySound(slot, 20, 1.0f);
        ++EnemyState[slot];
    }
    if (EnemyState[slot] > 165) ScreenShake = 0;
    if (EnemyState[slot] > 300) EnemyFrame[slot] = RandomInt(kLying, kLying + 1);
    if (EnemyState[slot] > 400) {
        AddCorpse(slot);
        FreeEnemySlot(slot);
        EnemyFacing[slot] = 0;
        return true;
    }
    return false;
}

// Aim from where the hero stands, then perhaps a shot of the burst.
void AimAndFire(int32_t slot) {
    EnemyState[slot] = SniperAimDown;
    if (EnemyX[slot] > HeroX + kStraightDown) {
        EnemyState[slot] = SniperAimDownLeft;
    } else if (EnemyX[slot] < HeroX - kStraightDown) {
        EnemyState[slot] = SniperAimDownRight;
    }

    if (!(EnemyX[slot] - kRange < HeroX && HeroX < EnemyX[slot] + kRange)) return;
    const int32_t roll = RandomInt(0, 3 - Difficulty);
    if (roll != 0 || EnemyShotCount[slot] >= 2 || EnemyShotLatch[slot] != 0) return;

    const int32_t y = EnemyDrawnHeight(slot);
    int32_t bx = EnemyX[slot] + 24;
    int32_t by = y + 44;
    int32_t dir = 8;
    if (EnemyState[slot] == SniperAimDownLeft) {
        bx = EnemyX[slot] - 2;
        by = y + 33;
        dir = 10;
    } else if (EnemyState[slot] == SniperAimDownRight) {
        bx = EnemyX[slot] + 51;
        by = y + 33;
        dir = 6;
    }
    FireBullet(slot + 1, bx, by, 0, dir);
    ++EnemyShotCount[slot];
    EnemyShotLatch[slot] = 1;
}

}  // namespace

void UpdateSniper(int32_t slot) {
    // He shows the aim of his last call, or looks away while the hero is
    // out of his range.
    const int32_t state = EnemyState[slot];
    if (state == SniperAimDownLeft || state == SniperAimDown || state == SniperAimDownRight) {
        EnemyFrame[slot] = state;
    }
    if (state < 3) {
        if (HeroX < EnemyX[slot] - kRange) EnemyFrame[slot] = kLookAwayLeft;
        if (HeroX > EnemyX[slot] + kRange) EnemyFrame[slot] = kLookAwayRight;
    }

    if (EnemyState[slot] == 100) {
        Die(slot);
        return;
    }
    if (EnemyState[slot] > 100) {
        if (StepDying(slot)) return;
    }

    if (EnemyState[slot] < 3) AimAndFire(slot);
}
