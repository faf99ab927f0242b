// Destructible props: breaking, burning wrecks, and bullets striking them.
#include "play/props.h"

#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/pickups.h"
#include "play/slow_motion.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t PropBurnTick = 0;

namespace {

constexpr int32_t kMissile = 2;
constexpr int32_t kExplosive = 4;

// Sounds of the breaking props.
constexpr int32_t kBreakMetal = 21;
constexpr int32_t kBreakWood = 22;
constexpr int32_t kBreakGlass = 23;
constexpr int32_t kBlast = 12;

void Sound(int32_t sound) { PlaySfx(sound, 1.0f, PropPan); }

// What the prop in `slot` does as it turns to broken frame `frame`, in the
// order of the calls.
void BreakEffects(int32_t slot, int32_t frame) {
    const int32_t x = PropX[slot];
    const int32_t y = PropY[slot];
    switch (frame) {
        case 1:  // glass
            SpawnObjectDebris(slot);
            Sound(kBreakGlass);
            break;
        case 3:
        case 15:
            Sound(kBreakMetal);
            break;
        case 5:
        case 11:  // fuel goes up
            SpawnExplosion(x + 12, y - 31, Fireball);
            Sound(kBreakMetal);
            break;
        case 7:
        case 17:
        case 19:
        case 23:
            Sound(kBreakWood);
            break;
        case 9:
        case 13:
            Sound(kBlast);
            SpawnExplosion(x + 14, y + 30, Smoke);
            break;
        case 21:
            Sound(kBlast);
            SpawnExplosion(x + 14, y + 14, Smoke);
            break;
        default:
            break;
    }
}

void RemoveProp(int32_t slot) {
    PropX[slot] = -100;
    PropY[slot] = -100;
    PropFrame[slot] = -1;
}

// A broken prop jitters (glass lies still) and burns on the shared counter.
void Burn(int32_t slot) {
    if (PropFrame[slot] % 2 == 0) return;
    ++PropBurnTick;
    if (PropFrame[slot] != 1) PropX[slot] += RandomInt(-1, 1);
    if (PropBurnTick > 25) {
        PropBurnTick = 0;
        RemoveProp(slot);
    }
}

// One bullet against the prop in `slot`.
void Strike(int32_t slot, int32_t bullet) {
    if (BulletActive[bullet] != 1) return;
    const int32_t line = BulletY[bullet] + BulletLane[bullet] - 74;
    if (line < PropY[slot] + 50 || line > PropY[slot] + 60) return;
    if (ImagesOverlap(BulletsImage, static_cast<float>(BulletX[bullet]), static_cast<float>(BulletY[bullet]),
                      BulletDir[bullet], DestructablesImage, static_cast<float>(PropX[slot]),
                      static_cast<float>(PropY[slot]), PropFrame[slot]) != 1) {
        return;
    }

    const int32_t kind = BulletKind[bullet];
    const int32_t frame = PropFrame[slot];
    const int32_t coin = RandomInt(0, 1);
    if (coin == 0 || frame == 0 || frame == 6 || frame == 8 || kind == kExplosive) {
        if (kind == kMissile && BulletDir[bullet] != 0) SpawnBulletBlast(bullet);
        HitProp(slot);
    } else if (PropBurnTick == 0) {
        // Glances off; while a wreck burns nobody hears it.
        HitFlashX = BulletX[bullet] - 6;
        HitFlashY = BulletY[bullet] - 4;
        HitFlashFrame = 0;
        HitFlashKind = 0;
        PropSoundPan(slot);
        const int32_t ricochet = RandomInt(0, 1);
        PlaySfx(17 + ricochet, 1.0f, PropPan);
    }

    if (kind == 0 || kind == 3 || kind == kExplosive) {
        if (kind == kExplosive) SpawnBulletBlast(bullet);
        RemoveBullet(bullet);
    }
}

// The bullets before `end` against the prop in `slot`; none from `end` on is live.
void StrikeBullets(int32_t slot, int32_t end) {
    for (int32_t bullet = 0; bullet < end; ++bullet) {
        // A free slot strikes nothing and is no climbing missile: straight on.
        if (BulletActive[bullet] != 1) continue;
        if (PropFrame[slot] == -1) return;
        bullet = BulletSlotToTest(bullet);
        if (bullet < 0) return;
        Strike(slot, bullet);
    }
}

}  // namespace

void HitProp(int32_t slot) {
    if (slot < 0 || slot >= PropSlots) return;
    const int32_t frame = PropFrame[slot];
    if (frame < 0 || frame > 22 || frame % 2 != 0) return;

    // The two halves of the two-part prop (slots 1 and 2) break together;
    // the other half quietly, with no pickup.
    if (frame == 16 && PropFrame[2] == 18) PropFrame[2] = 19;
    if (frame == 18 && PropFrame[1] == 16) PropFrame[1] = 17;

    ++PropFrame[slot];
    PropSoundPan(slot);
    BreakEffects(slot, PropFrame[slot]);
    DropPickup(slot, PropX[slot], PropY[slot]);
}

void HitTestBulletsOnProp(int32_t slot) { StrikeBullets(slot, BulletSlots); }

void UpdateSceneryObjects() {
    // Testing the props only ever frees bullets: the slots past the last
    // live one stay free, and the tests need not look at them.
    int32_t end = BulletSlots;
    while (end > 0 && BulletActive[end - 1] != 1) --end;
    for (int32_t slot = 0; slot < PropSlots; ++slot) {
        if (PropFrame[slot] == -1) continue;
        Burn(slot);
        StrikeBullets(slot, end);
    }
}
