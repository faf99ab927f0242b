// Pickups: the drop table, dropping, falling, collecting and expiry.
#include "play/pickups.h"

#include "media.h"
#include "play/hero_fire.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

namespace {

constexpr int32_t R = PickupRandomAmmo;

struct Drop {
    int32_t stage;
    int32_t propSlot;
    int32_t kind;
};

// The item placement: which prop of which stage drops what (the prop's x in
// its stage list noted behind). Stages 3 and 21 drop nothing.
constexpr Drop kDrops[] = {
    {1, 7, PickupSpecial},     // 4667
    {1, 21, R},                // 1120
    {1, 22, R},                // 1860
    {1, 23, PickupExtraTime},  // 2350
    {1, 25, R},                // 3070
    {1, 27, PickupEnergy},     // 3784
    {1, 28, R},                // 4694

    {2, 18, R},                // 3166
    {2, 28, PickupExtraLife},  // 2806
    {2, 31, R},                // 310
    {2, 32, R},                // 1490
    {2, 35, PickupSpecial},    // 890
    {2, 40, PickupExtraTime},  // 2760
    {2, 41, R},                // 4250

    {4, 0, R},                 // 330
    {4, 2, PickupEnergy},      // 760
    {4, 4, R},                 // 1210
    {4, 6, R},                 // 1340
    {4, 7, R},                 // 1830

    {5, 2, PickupSpecial},     // 560
    {5, 3, R},                 // 520
    {5, 6, R},                 // 1420
    {5, 7, PickupExtraLife},   // 1550

    {6, 6, R},                 // 1434
    {6, 8, PickupExtraTime},   // 2324
    {6, 11, R},                // 2984
    {6, 13, R},                // 3794
    {6, 14, R},                // 4204

    {7, 0, R},                 // 1070
    {7, 3, R},                 // 1820
    {7, 5, PickupEnergy},      // 1052

    {8, 0, R},                 // 160
    {8, 1, PickupExtraTime},   // 250
    {8, 2, PickupEnergy},      // 560
    {8, 3, R},                 // 460
    {8, 4, PickupExtraTime},   // 410
    {8, 5, R},                 // 110

    {9, 0, R},                 // 0

    {10, 0, R},                // 300
    {10, 3, PickupSpecial},    // 930
    {10, 5, R},                // 1570
    {10, 6, PickupEnergy},     // 1880
    {10, 9, PickupExtraTime},  // 2650
    {10, 10, R},               // 2730
    {10, 15, R},               // 3574
    {10, 16, R},               // 3604
    {10, 17, PickupExtraTime}, // 3784
    {10, 19, R},               // 4634

    {11, 0, PickupSlowMotion}, // 550
    {11, 1, PickupExtraTime},  // 390
    {11, 2, PickupExtraTime},  // 410
    {11, 3, PickupEnergy},     // 510
    {11, 4, R},                // 280
    {11, 5, R},                // 150

    {16, 4, R},                // 510
    {16, 6, R},                // 420
    {16, 9, R},                // 500
    {16, 14, R},               // 250
    {16, 17, PickupSpecial},   // 200
};

constexpr int32_t kMaxAmmo = 99;

int32_t AtMost(int32_t value, int32_t most) { return value > most ? most : value; }

// Ammunition for weapon `weapon`: it becomes current at once when the
// player lets pickups choose the weapon.
void TakeWeapon(int32_t weapon) {
    if (AutoSelectWeapon == 1) HeroWeapon = weapon;
}

void Collect(int32_t kind) {
    switch (kind) {
        case PickupExtraLife:
            ++Lives;  // the heads-up display keeps lives in range
            HeroEnergy = AtMost(HeroEnergy + 15, 100);
            PlaySfx(7, 1.0f, HeroPan);
            break;
        case PickupEnergy:
            HeroEnergy = AtMost(HeroEnergy + 25, 100);
            PlaySfx(7, 1.0f, HeroPan);
            break;
        case PickupAmmo1:
            AmmoWeapon1 = AtMost(AmmoWeapon1 + 99, kMaxAmmo);
            TakeWeapon(1);
            PlaySfx(8, 1.0f, HeroPan);
            ApplyFireRateUpgrade();
            break;
        case PickupAmmo2:
            AmmoWeapon2 = AtMost(AmmoWeapon2 + 15, kMaxAmmo);
            TakeWeapon(2);
            PlaySfx(8, 1.0f, HeroPan);
            ApplyFireRateUpgrade();
            break;
        case PickupExtraTime:
            TimeLeft = AtMost(TimeLeft + 50, 99);
            BeepChannel = PlaySoundOn(CompBeepSound, 0);
            break;
        case PickupAmmo5:
            AmmoWeapon5 += 25;
            // Stage 21 rations the explosive rounds to one, whatever was held.
            if (StageNumber == 21) AmmoWeapon5 = 1;
            AmmoWeapon5 = AtMost(AmmoWeapon5, kMaxAmmo);
            TakeWeapon(5);
            PlaySfx(8, 1.0f, HeroPan);
            ApplyFireRateUpgrade();
            break;
        case PickupSlowMotion:
            SlowCharge = 50;
            SlowMotion = 4;
            SlowMotionLeft = SlowCharge;
            // A fresh channel nobody keeps.
            PlaySoundOn(PowerDownSound, 0);
            break;
        case PickupSpecial:
            SpecialReady = 1;
            PlaySfx(8, 1.0f, HeroPan);
            ApplyFireRateUpgrade();
            break;
        default:
            break;
    }
}

}  // namespace

int32_t DropTableEntry(int32_t stageNumber, int32_t propSlot) {
    for (const Drop& d : kDrops) {
        if (d.stage == stageNumber && d.propSlot == propSlot) return d.kind;
    }
    return -1;
}

void DropPickup(int32_t propSlot, int32_t x, int32_t y) {
    int32_t slot = -1;
    for (int32_t i = 0; i < PickupSlots; ++i) {
        if (PickupKind[i] == -1) {
            slot = i;
            break;
        }
    }
    if (slot < 0) return;

    PickupX[slot] = x + 16;
    PickupY[slot] = y + 8;

    // Drawn for every broken prop, listed or not.
    int32_t ammo = RandomInt(2, 4);
    if (ammo == 4) ammo = PickupAmmo5;

    int32_t kind = DropTableEntry(StageNumber, propSlot);
    if (kind == PickupSpecial && SpecialReady == 1) kind = R;
    if (kind == R) kind = ammo;
    PickupKind[slot] = kind;
}

void UpdatePickups() {
    for (int32_t slot = 0; slot < PickupSlots; ++slot) {
        if (PickupKind[slot] == -1) continue;

        // Fall into place, drifting away from the hero.
        if (PickupY[slot] < 120 && SlowMotionTick == 0) {
            PickupY[slot] += 4;
            if (HeroX > PickupX[slot]) {
                --PickupX[slot];
            } else {
                ++PickupX[slot];
            }
            if (PickupX[slot] < 30) PickupX[slot] = 30;
            if (PickupX[slot] > StageLength - 65) PickupX[slot] = StageLength - 65;
        }

        // Collected by the hero standing on it; his state does not matter.
        const int32_t heroLine = HeroFootY + HeroLane;
        if (PickupX[slot] - 20 < HeroX && HeroX < PickupX[slot] + 10 && PickupY[slot] - 5 < heroLine &&
            heroLine < PickupY[slot] + 10 && HeroJumpPhase == 0) {
            Collect(PickupKind[slot]);
            PickupKind[slot] = -1;
        }

        // Left far behind.
        if (HeroX > PickupX[slot] + 800) PickupKind[slot] = -1;
    }
}
