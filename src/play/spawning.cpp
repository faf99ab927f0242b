// Creating enemies: the spawn list, the random spawner and SpawnEnemy.
#include "play/spawning.h"

#include "media.h"
#include "play/enemies.h"
#include "play/tables.h"
#include "shell/audio.h"
#include "shell/records.h"

namespace {

// Is a prop on screen standing where a new enemy of `kind` at (x, laneY)
// would walk into it? Only the gunman and the chainsaw killer look.
bool PropInTheWay(int32_t kind, int32_t x, int32_t laneY) {
    for (int32_t p = 0; p < PropSlots; ++p) {
        const int32_t screenX = PropX[p] + CameraX;
        if (screenX < -55 || screenX > 640 || PropFrame[p] <= 1) continue;
        if (kind == KindGunman) {
            if (x > PropX[p] - 45 && x < PropX[p] + 30 && laneY >= PropY[p] - 33 && laneY <= PropY[p] - 13) {
                return true;
            }
        } else {
            if (x > PropX[p] - 87 && x < PropX[p] - 12 && laneY >= PropY[p] - 39 && laneY <= PropY[p] - 19) {
                return true;
            }
        }
    }
    return false;
}

// Width of each kind when it enters behind the hero (from the left edge).
int32_t WidthBehind(int32_t kind) {
    switch (kind) {
        case KindBiker: return 105;
        case KindChainsaw: return 160;
        case KindRogueCop: return 94;
        case KindKR770: return 151;
        default: return 60;
    }
}

// The noise an arriving biker, chainsaw killer or KR770 makes, on the side
// it comes from (sign +1 ahead, -1 behind).
void PlayArrivalSound(int32_t kind, float sign) {
    if (kind == KindBiker) PlaySfx(40, 1.0f, 0.5f * sign);
    if (kind == KindChainsaw) PlaySfx(42, 0.8f, 0.5f * sign);
    if (kind == KindKR770) PlaySfx(35, 1.0f, 0.8f * sign);
}

void EmptySpawnEntry(int32_t i) {
    SpawnEntryKind[i] = -1;
    SpawnEntryX[i] = -1;
    SpawnEntryY[i] = -1;
    SpawnEntrySide[i] = -1;
}

}  // namespace

void SpawnEnemy(int32_t kind, int32_t x, int32_t y, int32_t dir) {
    int32_t slot = -1;
    for (int32_t i = 0; i < EnemySlots; ++i) {
        if (EnemyKind[i] == -1) {
            slot = i;
            break;
        }
    }
    if (slot < 0) return;

    switch (kind) {
        case KindBiker: EnemyHealth[slot] = 3; break;
        case KindChainsaw: EnemyHealth[slot] = 5; break;
        case KindRogueCop: EnemyHealth[slot] = 6; break;
        case KindKR770: EnemyHealth[slot] = 10 * Difficulty + 50; break;
        default: EnemyHealth[slot] = 2; break;
    }

    EnemyKind[slot] = kind;
    EnemyX[slot] = x;
    EnemyY[slot] = y;
    EnemyDrift[slot] = RandomInt(0, 1);
    EnemyLane[slot] = RandomInt(-150, 80);

    // Walkers look for a lane clear of the props on screen, 20 px further
    // down each try (wrapping to the far side), at most 21 tries.
    if (kind == KindGunman || kind == KindChainsaw) {
        for (int32_t attempt = 0; attempt < 21; ++attempt) {
            if (!PropInTheWay(kind, EnemyX[slot], EnemyY[slot] + EnemyLane[slot])) break;
            EnemyLane[slot] += 20;
            if (EnemyLane[slot] > 80) EnemyLane[slot] = -150;
        }
    }

    switch (kind) {
        case KindSniper:
            EnemyY[slot] = 239;
            EnemyLane[slot] = -150;
            break;
        case KindGunman: EnemyY[slot] = 240; break;
        case KindBiker: EnemyY[slot] = 258; break;
        case KindChainsaw: EnemyY[slot] = 235; break;
        case KindRogueCop: EnemyY[slot] = 244; break;
        case KindKR770: EnemyY[slot] = 190; break;
        default: break;
    }

    EnemyState[slot] = 0;
    EnemyFrame[slot] = 0;
    if ((kind == KindGunman || kind == KindChainsaw) && dir == 1) EnemyState[slot] = 1;
    EnemyFacing[slot] = EnemyX[slot] > HeroX ? 0 : 1;
    EnemyShotCount[slot] = -1;
}

void UpdateSpawnList() {
    // The lift and the roof: the pending entries creep one pixel closer per
    // turn of the 26-step cycle.
    if ((StageNumber == 8 || StageNumber == 11) && ScrollLock == 0 && Cycle26 == 0) {
        Cycle26 = 1;
        for (int32_t i = 0; i < SpawnEntrySlots; ++i) {
            if (SpawnEntryKind[i] >= 0) --SpawnEntryX[i];
        }
    }

    for (int32_t i = 0; i < SpawnEntrySlots; ++i) {
        if (SpawnEntryKind[i] < 0) continue;
        const int32_t kind = SpawnEntryKind[i];
        if (SpawnEntrySide[i] == 0) {
            if (SpawnEntryX[i] < 640 - CameraX) {
                PlayArrivalSound(kind, 1.0f);
                SpawnEnemy(kind, SpawnEntryX[i], SpawnEntryY[i], 0);
                EmptySpawnEntry(i);
            }
        } else if (SpawnEntrySide[i] == 1) {
            if (SpawnEntryX[i] < -60 - CameraX) {
                const int32_t r = RandomInt(0, 4);
                SpawnEntryX[i] = -WidthBehind(kind) - CameraX - 20 * r;
                PlayArrivalSound(kind, -1.0f);
                SpawnEnemy(kind, SpawnEntryX[i], SpawnEntryY[i], 1);
                EmptySpawnEntry(i);
            }
        }
    }

    // The bosses of stages 3 and 21 walk in from beyond the right edge.
    if (StageNumber == 3) {
        if (SpawnEntryX[0] > 639) --SpawnEntryX[0];
    }
    if (StageNumber == 21) {
        if (SpawnEntryX[0] > 639) --SpawnEntryX[0];
        if (SpawnEntryX[1] > 639) --SpawnEntryX[1];
    }
}

void SpawnRandomEnemy() {
    int32_t interval;
    switch (StageNumber) {
        case 1: interval = 440; break;
        case 2: interval = 250; break;
        case 4: interval = 480; break;
        case 5: interval = 420; break;
        case 7: interval = 400; break;
        case 8: interval = 180; break;
        case 9: interval = 360; break;
        case 10: interval = 320; break;
        case 11: interval = 200; break;
        default: interval = 500; break;
    }

    const bool liftOrRoof = StageNumber == 8 || StageNumber == 11;
    if (liftOrRoof && StageKills > 149) return;

    if (RandomInt(0, interval) != 1) return;
    if (StageNumber == 16 || HeroState == 7 || ScrollLock == 1) return;

    LiveEnemyCount = 0;
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        if (EnemyKind[slot] >= 0) ++LiveEnemyCount;
    }
    int32_t pending = 0;
    for (int32_t i = 0; i < SpawnEntrySlots; ++i) {
        if (SpawnEntryKind[i] >= 0) ++pending;
    }
    if (!(pending > 0 || liftOrRoof) || LiveEnemyCount >= 10) return;

    // Right edge walking either way, or left edge walking right; the lift
    // and the roof never send one walking left from the right edge.
    const int32_t side = liftOrRoof ? RandomInt(1, 2) : RandomInt(0, 2);
    int32_t screenX = 640;
    int32_t dir = side;
    if (side == 2) {
        screenX = -94;
        dir = 1;
    }

    int32_t kind = RandomInt(0, 9) == 9 ? KindChainsaw : KindGunman;
    if (StageNumber == 10 || StageNumber == 11) kind = KindRogueCop;
    if (StageNumber == 8 && pending == 0) kind = KindRogueCop;

    SpawnEnemy(kind, screenX - CameraX, 120, dir);
}
