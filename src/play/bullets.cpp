// Firing, moving and glancing bullets.
#include "play/bullets.h"

#include "media.h"
#include "play/effects.h"
#include "play/slow_motion.h"
#include "play/tables.h"
#include "shell/audio.h"
#include "shell/records.h"

const int32_t BulletStepX[16] = {0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4, -4, -4, -4, -2};
const int32_t BulletStepY[16] = {-4, -4, -4, -2, 0, 2, 4, 4, 4, 4, 4, 2, 0, -2, -4, -4};

namespace {

constexpr int32_t kMissile = 2;
constexpr int32_t kExplosive = 4;

int32_t FirstFreeBullet() {
    for (int32_t slot = 0; slot < BulletSlots; ++slot) {
        if (BulletActive[slot] == 0) return slot;
    }
    return -1;
}

void PutBullet(int32_t slot, int32_t owner, int32_t x, int32_t y, int32_t kind, int32_t dir) {
    BulletActive[slot] = 1;
    BulletOwner[slot] = owner;
    BulletX[slot] = x;
    BulletY[slot] = y;
    BulletKind[slot] = kind;
    BulletDir[slot] = dir;
}

void HeroShot(int32_t slot, int32_t x, int32_t y, int32_t kind, int32_t dir) {
    ++BulletsFired;
    // Whatever fires it, the shot is paid from the current weapon.
    if (HeroWeapon == 1) --AmmoWeapon1;
    if (HeroWeapon == 2) --AmmoWeapon2;
    if (HeroWeapon == 5) --AmmoWeapon5;
    if (AmmoWeapon1 < 0) AmmoWeapon1 = 0;
    if (AmmoWeapon2 < 0) AmmoWeapon2 = 0;
    if (AmmoWeapon5 < 0) AmmoWeapon5 = 0;

    PutBullet(slot, 0, x, y, kind, dir);
    BulletLane[slot] = HeroLane + 392 - y;

    if (HeroWeapon == 0 || HeroWeapon == 1) PlaySfx(11, 0.6f, HeroPan);
    if (HeroWeapon == 2 || HeroWeapon == 5) PlaySfx(43, 0.5f, HeroPan);
    MuzzleFlash = 1;
}

void EnemyShot(int32_t slot, int32_t owner, int32_t x, int32_t y, int32_t kind, int32_t dir) {
    const int32_t shooter = owner - 1;
    EnemySoundPan(shooter);

    // Lane line offset, sound and volume by the shooter.
    int32_t lane = 139;
    int32_t sound = 9;
    float volume = 0.4f;
    switch (EnemyKind[shooter]) {
        case 0:  // sniper
            lane = 125;
            sound = 10;
            break;
        case 1:  // street gunman: lower when crouching, louder gun for explosive rounds
            if (EnemyFrame[shooter] == 5 || EnemyFrame[shooter] == 16) lane = 115;
            if (kind == kExplosive) sound = 43;
            break;
        case 11:  // rogue officer
            lane = 130;
            sound = 11;
            volume = 0.5f;
            break;
        case 17:  // KR770
            sound = kind == kMissile ? 38 : 37;
            break;
        default:
            break;
    }
    BulletLane[slot] = lane;
    PutBullet(slot, owner, x, y, kind, dir);
    PlaySfx(sound, volume, EnemyPan);
}

// A bullet gone off the play area: every field to 0, its lane too.
void FreeBulletWhole(int32_t slot) {
    RemoveBullet(slot);
    BulletLane[slot] = 0;
}

}  // namespace

void FireBullet(int32_t owner, int32_t x, int32_t y, int32_t kind, int32_t dir) {
    const int32_t slot = FirstFreeBullet();
    if (slot < 0) return;

    if (owner == 0) {
        HeroShot(slot, x, y, kind, dir);
    } else {
        EnemyShot(slot, owner, x, y, kind, dir);
    }

    // The spent case flies out behind the gun; missiles leave none.
    if (kind != kMissile) {
        if (dir >= 1 && dir <= 8) {
            SpawnShellCasing(x - 10, y, kind, 0);
        } else {
            SpawnShellCasing(x + 10, y, kind, 1);
        }
    }
}

void MoveBullets() {
    if (SlowMotionTick != 0) return;

    for (int32_t slot = 0; slot < BulletSlots; ++slot) {
        if (BulletActive[slot] != 1) continue;

        const int32_t dir = BulletDir[slot] & 15;
        BulletX[slot] += BulletStepX[dir];
        BulletY[slot] += BulletStepY[dir];
        if (BulletKind[slot] == kMissile && (dir == 0 || dir == 4 || dir == 12)) {
            BulletX[slot] += BulletStepX[dir];
            BulletY[slot] += BulletStepY[dir];
        }

        const bool missile = BulletKind[slot] == kMissile;
        const int32_t left = missile ? -50 : 0;
        const int32_t right = missile ? 690 : 630;
        const int32_t top = missile ? -100 : 90;
        const int32_t screenX = BulletX[slot] + CameraX;
        if (screenX < left || screenX > right || BulletY[slot] > 479) FreeBulletWhole(slot);
        // Bullets flying level never leave through the top.
        if (BulletY[slot] < top && BulletDir[slot] != 4 && BulletDir[slot] != 12) FreeBulletWhole(slot);
    }
}

void RicochetBullet(int32_t bullet) {
    if (bullet < 0 || bullet >= BulletSlots || BulletActive[bullet] == 0) return;

    if (BulletKind[bullet] == kExplosive) SpawnBulletBlast(bullet);
    if (BulletKind[bullet] != 0) {
        RemoveBullet(bullet);
        return;
    }

    // A normal bullet glances off and is the hero's from now on.
    BulletOwner[bullet] = 0;
    if (RandomInt(0, 1) == 0) {
        const int32_t turn = RandomInt(1, 4);
        BulletDir[bullet] = (BulletDir[bullet] + turn) & 15;
    } else {
        const int32_t turn = RandomInt(1, 4);
        BulletDir[bullet] = (BulletDir[bullet] - turn) & 15;
    }
}

void SpawnBulletBlast(int32_t bullet) {
    const int32_t dy = RandomInt(-5, 5);
    const int32_t dx = RandomInt(-5, 5);
    SpawnExplosion(BulletX[bullet] - 9 + dx, BulletY[bullet] - 10 + dy, SmallBlast);
}

int32_t BulletSlotToTest(int32_t slot) {
    const bool risingMissile = BulletActive[slot] == 1 && BulletKind[slot] == kMissile && BulletDir[slot] == 0;
    if (!risingMissile) return slot;
    return slot + 1 < BulletSlots ? slot + 1 : -1;
}

void RemoveBullet(int32_t bullet) {
    BulletActive[bullet] = 0;
    BulletOwner[bullet] = 0;
    BulletX[bullet] = 0;
    BulletY[bullet] = 0;
    BulletKind[bullet] = 0;
    BulletDir[bullet] = 0;
}
