// Bullet hits on enemies.
#include "play/enemy_hits.h"

#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/slow_motion.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

namespace {

constexpr int32_t kBulletNormal = 0;
constexpr int32_t kBulletPiercing = 1;
constexpr int32_t kBulletMissile = 2;
constexpr int32_t kBulletExplosive = 4;

constexpr int32_t kFlashSpark = 0;   // the light-blended flash of metal struck
constexpr int32_t kFlashSplash = 1;  // the masked splash of flesh struck

// Damage of one strike, fixed when the bullet's turn comes.
int32_t StrikeDamage(int32_t b, int32_t kind) {
    if (SlowMotion > 0) return 99;
    if (kind == KindKR770) return 1;
    if (BulletKind[b] == kBulletMissile) return 20;
    if (BulletKind[b] == kBulletExplosive) return 5;
    return 1;
}

// The hero's bullets, and a KR770's bullets against anyone but itself.
bool BulletTakesPart(int32_t b, int32_t slot) {
    if (BulletActive[b] != 1) return false;
    const int32_t owner = BulletOwner[b];
    if (owner == 0) return true;
    if (owner == slot + 1 || owner < 1 || owner > EnemySlots) return false;
    return EnemyKind[owner - 1] == KindKR770;
}

bool InBand(int32_t b, int32_t slot) {
    const HitBand band = EnemyHitBand(EnemyKind[slot]);
    const int32_t line = BulletY[b] + BulletLane[b] - 74;
    const int32_t top = EnemyY[slot] + EnemyLane[slot];
    return line >= top + band.top && line <= top + band.bottom;
}

bool PixelsMeet(int32_t b, int32_t slot) {
    const int32_t kind = EnemyKind[slot];
    if (kind < 0 || kind >= EnemyImageCount) return false;
    // The bullet's cell is the one of its direction, whatever its kind.
    return ImagesOverlap(BulletsImage, static_cast<float>(BulletX[b]), static_cast<float>(BulletY[b]), BulletDir[b],
                         EnemyImages[kind], static_cast<float>(EnemyX[slot]),
                         static_cast<float>(EnemyY[slot] + EnemyLane[slot]), EnemyFrame[slot]) == 1;
}

void SetHitFlash(int32_t b, int32_t flashKind) {
    HitFlashX = BulletX[b] - 6;
    HitFlashY = BulletY[b] - 4;
    HitFlashFrame = 0;
    HitFlashKind = flashKind;
}

void RicochetSound() {
    const int32_t sound = 17 + RandomInt(0, 1);
    PlaySfx(sound, 1.0f, EnemyPan);
}

// Explosive bullets burst wherever they strike, and so do missiles not
// flying straight up.
void SmallBlastWhereDue(int32_t b) {
    const int32_t kind = BulletKind[b];
    if (kind == kBulletExplosive || (kind == kBulletMissile && BulletDir[b] != 0)) SpawnBulletBlast(b);
}

// Blood and the splash, two times in three a drop.
void FleshWound(int32_t b) {
    PlaySfx(19, 0.3f, EnemyPan);
    SetHitFlash(b, kFlashSplash);
    if (RandomInt(0, 2) > 0) {
        const int32_t dx = RandomInt(-2, 2);
        SpawnDrop(BulletX[b] - 6 + dx, BulletY[b] - 4);
    }
    SmallBlastWhereDue(b);
}

// Sniper, street gunman, chainsaw killer: every strike counts; a piercing
// bullet flies on through.
bool StrikeFlesh(int32_t b) {
    const bool piercing = BulletKind[b] == kBulletPiercing;
    FleshWound(b);
    if (!piercing) RemoveBullet(b);
    return true;
}

// The biker: his machine below the rider's head sparks and counts; the
// rider's head bleeds but does not count, and only a normal bullet stops there.
bool StrikeBiker(int32_t b, int32_t slot) {
    const int32_t top = EnemyY[slot] + EnemyLane[slot];
    if (BulletY[b] > top + 10) {
        SetHitFlash(b, kFlashSpark);
        RicochetSound();
        SmallBlastWhereDue(b);
        RemoveBullet(b);
        return true;
    }
    const bool stops = BulletKind[b] == kBulletNormal;
    FleshWound(b);
    if (stops) RemoveBullet(b);
    return false;
}

// The rogue officer: only his armoured middle is struck; half of those
// shots get through and knock him back, the others glance off. Both count.
bool StrikeRogueCop(int32_t b, int32_t slot) {
    RicochetSound();
    SetHitFlash(b, kFlashSpark);
    if (RandomInt(0, 1) == 1) {
        SmallBlastWhereDue(b);
        RemoveBullet(b);
        EnemyX[slot] += EnemyX[slot] < HeroX + 20 ? -4 : 4;
    } else {
        SmallBlastWhereDue(b);
        SetHitFlash(b, kFlashSpark);
        RicochetSound();
        RicochetBullet(b);
    }
    return true;
}

bool InRogueCopWindow(int32_t b, int32_t slot) {
    return EnemyX[slot] + 20 < BulletX[b] && BulletX[b] < EnemyX[slot] + 60;
}

// The KR770: a strike low on its body rocks it back and may set off its
// volley, but cannot finish it while the hero ducks or it is down to its last
// point; a strike within 40 px of the top of its cell always counts.
bool StrikeKR770(int32_t b, int32_t slot) {
    bool counts = true;
    if (BulletY[b] - 40 > EnemyY[slot] + EnemyLane[slot]) {
        if (HeroState == 3 || EnemyHealth[slot] < 2) counts = false;
        if (EnemyState[slot] < 2) {
            EnemyX[slot] += HeroX < EnemyX[slot] ? 8 : -8;
            if (RandomInt(0, 10) == 0) EnemyState[slot] = 2;
        }
    }
    SmallBlastWhereDue(b);
    SetHitFlash(b, kFlashSpark);
    RicochetSound();
    RemoveBullet(b);
    return counts;
}

// Steps 2 to 5 for bullet slot b against the enemy in `slot`.
void TestBullet(int32_t b, int32_t slot) {
    if (!BulletTakesPart(b, slot) || EnemyState[slot] >= 160) return;
    if (!InBand(b, slot) || !PixelsMeet(b, slot)) return;

    const int32_t kind = EnemyKind[slot];
    const int32_t damage = StrikeDamage(b, kind);
    EnemySoundPan(slot);

    bool counts = false;
    switch (kind) {
        case KindSniper:
        case KindGunman:
        case KindChainsaw: counts = StrikeFlesh(b); break;
        case KindBiker: counts = StrikeBiker(b, slot); break;
        case KindRogueCop:
            // Outside the armour window the bullet passes: no strike at all.
            if (!InRogueCopWindow(b, slot)) return;
            counts = StrikeRogueCop(b, slot);
            break;
        case KindKR770: counts = StrikeKR770(b, slot); break;
        default: return;
    }
    if (counts) EnemyHealth[slot] -= damage;
    // The kind routine sets the killed state only later in the tick, so
    // every strike on a spent enemy asks for the quip again.
    if (EnemyHealth[slot] < 1 && EnemyState[slot] < 100) PlayVoiceLine(-3);
}

}  // namespace

HitBand EnemyHitBand(int32_t kind) {
    switch (kind) {
        case KindBiker: return {50, 68};
        case KindChainsaw: return {70, 93};
        case KindRogueCop: return {65, 83};
        case KindKR770: return {110, 129};
        default: return {65, 87};
    }
}

void HitTestBulletsOnEnemy(int32_t slot) {
    if (slot < 0 || slot >= EnemySlots || EnemyKind[slot] < 0) return;
    for (int32_t b = 0; b < BulletSlots; ++b) {
        b = BulletSlotToTest(b);
        if (b < 0) break;
        TestBullet(b, slot);
    }
}
