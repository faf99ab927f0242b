// Enemy bullets and contact against the hero, and his hurt flash.
#include "play/hero_hits.h"

#include "media.h"
#include "play/bullets.h"
#include "play/enemies.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t HeroHitImage = 0;
int32_t HeroHitFrame = 0;

namespace {

constexpr int32_t kBulletMissile = 2;
constexpr int32_t kBulletExplosive = 4;

// HeroImages entries.
constexpr int32_t kWalkLegs = 0;
constexpr int32_t kTorso = 2;
constexpr int32_t kKneelLegs = 4;
constexpr int32_t kGunDraw = 8;

constexpr int32_t kRest = -1;
constexpr int32_t kDuck = 3;
constexpr int32_t kIntro = 5;

float F(int32_t v) { return static_cast<float>(v); }

// The torso cell: the torso sheets by facing, the gun-draw sheet while at
// rest or drawing the gun; bare-headed cells lie further on.
void ChooseTorsoCell() {
    HeroHitImage = HeroFacing + kTorso;
    HeroHitFrame = HeroTorsoFrame;
    if (HeroState == kRest) HeroHitImage = kGunDraw, HeroHitFrame = 0;
    if (HeroState == kIntro) HeroHitImage = kGunDraw, HeroHitFrame = HeroAnimStep;
    if (HelmetOn == 0) HeroHitFrame += HeroState == kRest ? 16 : 7;
}

int32_t HeroImage(int32_t entry) { return entry >= 0 && entry < HeroImageCount ? HeroImages[entry] : 0; }

// Torso or legs, all placed at the hero point, against the bullet's cell.
bool BulletMeetsBody(int32_t b) {
    const int32_t cell = BulletKind[b] == kBulletMissile ? 2 : BulletDir[b];
    const float bx = F(BulletX[b]);
    const float by = F(BulletY[b]);
    const float hx = F(HeroX);
    const float hy = F(HeroFootY + HeroLane);
    if (ImagesOverlap(HeroImage(HeroHitImage), hx, hy, HeroHitFrame, BulletsImage, bx, by, cell) == 1) return true;
    if (HeroState == kDuck || HeroStateSaved == kDuck) {
        return ImagesOverlap(HeroImage(HeroFacing + kKneelLegs), hx, hy, 0, BulletsImage, bx, by, cell) == 1;
    }
    if (HeroState >= 0) {
        return ImagesOverlap(HeroImage(HeroFacing + kWalkLegs), hx, hy, HeroWalkStep, BulletsImage, bx, by, cell) == 1;
    }
    return false;  // at rest the legs are not tested
}

bool BulletInHeroBand(int32_t b) {
    const int32_t line = BulletY[b] + BulletLane[b] - 74;
    return line >= HeroLane + 308 && line <= HeroLane + 328;
}

void StrikeHero(int32_t b, int32_t armourRoll) {
    if (armourRoll == 0) HurtHero();
    const int32_t sound = 17 + RandomInt(0, 1);
    PlaySfx(sound, 1.0f, HeroPan);
    HitFlashX = BulletX[b] - 6;
    HitFlashY = BulletY[b] - 4;
    HitFlashFrame = 0;
    HitFlashKind = 0;

    const int32_t harmDraw = RandomInt(0, 1);
    const bool harmful = armourRoll == 0 || harmDraw == 0;
    const int32_t kind = BulletKind[b];
    if (harmful) {
        if (SlowMotion == 0) {
            int32_t cost = 1;
            if (kind == kBulletMissile) cost += 20;
            if (kind == kBulletExplosive) cost += 3;
            HeroEnergy -= cost;
        }
        if (kind == kBulletMissile || kind == kBulletExplosive) SpawnBulletBlast(b);
        RemoveBullet(b);
    } else {
        // Glances off the armour: a normal bullet flies on as the hero's.
        RicochetBullet(b);
    }
    if (HeroEnergy < 0) HeroEnergy = 0;
}

void TestContact(int32_t slot) {
    const int32_t kind = EnemyKind[slot];
    const ContactWindow w = EnemyContactWindow(kind);
    if (w.width < 0 || kind >= EnemyImageCount) return;
    const int32_t feet = EnemyY[slot] + EnemyLane[slot] + w.height;
    const int32_t low = HeroLane + 395 + w.offset;
    if (feet < low || feet > low + w.width) return;
    if (ImagesOverlap(EnemyImages[kind], F(EnemyX[slot] + CameraX), F(EnemyY[slot] + EnemyLane[slot]),
                      EnemyFrame[slot], Detect1Image, F(HeroX + CameraX + 18), F(HeroFootY + HeroLane - 34),
                      0) != 1) {
        return;
    }

    if (RandomInt(0, 1) == 1) {
        if (HeroState < 5 && SlowMotion == 0) HeroEnergy -= 1;
        HurtHero();
        if (HeroEnergy < 0) HeroEnergy = 0;
    }
    if (kind == KindGunman) EnemyHealth[slot] -= 1;
    if (kind == KindChainsaw && EnemyState[slot] < 2) EnemyHealth[slot] -= 1;
}

}  // namespace

ContactWindow EnemyContactWindow(int32_t kind) {
    switch (kind) {
        case KindGunman: return {155, -9, 20};
        case KindBiker: return {137, -9, 20};
        case KindChainsaw: return {160, -9, 20};
        case KindRogueCop: return {151, -9, 20};
        case KindKR770: return {205, -11, 35};
        default: return {0, 0, -1};
    }
}

void CheckHeroHits() {
    if (HeroState > 6) return;
    ChooseTorsoCell();
    const int32_t armourRoll = RandomInt(0, ArmourLevel + 1);

    for (int32_t b = 0; b < BulletSlots; ++b) {
        if (BulletActive[b] != 1 || BulletOwner[b] <= 0) continue;
        if (!BulletInHeroBand(b) || !BulletMeetsBody(b)) continue;
        StrikeHero(b, armourRoll);
    }

    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        if (EnemyKind[slot] <= 0 || EnemyHealth[slot] <= 0 || EnemyState[slot] >= 100) continue;
        TestContact(slot);
    }
}

void HurtHero() {
    if (HeroState >= 5 || SlowMotion != 0) return;
    HeroStateSaved = HeroState;
    HeroState = 8;
    HeroAnimStep = -1;
    PlayVoiceLine(8);
    HeroAnimTime = ElapsedMillis();
}
