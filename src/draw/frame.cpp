// The frame's layer order and the street band in depth order.
#include "draw/frame.h"

#include <algorithm>

#include "draw/background.h"
#include "draw/effects.h"
#include "draw/foreground.h"
#include "draw/hero.h"
#include "draw/hud.h"
#include "draw/rain.h"
#include "draw/shadows.h"
#include "draw/windows.h"
#include "media.h"
#include "play/enemy_look.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

bool EnemyFrameIsHalfAlpha(int32_t kind, int32_t frame) {
    switch (kind) {
        case 0: return frame == 6;
        case 1: return frame == 10 || frame == 21;
        case 4: return frame == 5 || frame == 7;
        case 6: return frame == 11 || frame == 23;
        case 11: return frame == 13 || frame == 27;
        default: return false;
    }
}

int32_t CorpseDepthKey(int32_t slot) {
    int32_t base;
    switch (CorpseKind[slot]) {
        case 17: base = 190; break;
        case 11: base = 255; break;
        case 6: base = 265; break;
        case 1: base = 268; break;
        default: base = 281; break;
    }
    return CorpseY[slot] - base;
}

int32_t PickupFrame(int32_t kind) {
    static constexpr int32_t kFrameByKind[10] = {0, 1, 2, 3, -1, -1, 4, 5, 6, 7};
    if (kind < 0 || kind > 9) return -1;
    return kFrameByKind[kind];
}

namespace {

constexpr int32_t kFirstKey = -161;
constexpr int32_t kLastKey = 110;
// Where members beyond the band are drawn: those above it at key -151,
// bullets below it at key 91.
constexpr int32_t kFarCatchKey = -151;
constexpr int32_t kNearCatchKey = 91;
// Drawn y of everything on the street: its y (with its lane where it keeps
// one) plus the shake plus this.
constexpr int32_t kFloorOffset = 74;

float ScreenX(int32_t worldX) { return static_cast<float>(worldX + CameraX); }
float FloorY(int32_t y) { return static_cast<float>(y + ScreenShake + kFloorOffset); }

// The value each pickup, prop or bullet is drawn at. Near the band's far edge
// an item could match both its own key and the far catch-all, and near the
// near edge a bullet both its own key and the near catch-all; each is drawn
// once only, at its own key when that lies in the band, so that additive
// bullets do not double their brightness.
int32_t PickupDrawValue(int32_t slot) {
    if (PickupY[slot] < 118) return kFarCatchKey + 271;
    return PickupY[slot] - 8;
}

int32_t PropDrawValue(int32_t slot) {
    if (PropY[slot] < 110) return kFarCatchKey + 271;
    return PropY[slot];
}

int32_t BulletDrawValue(int32_t slot) {
    const int32_t line = BulletY[slot] + BulletLane[slot];
    if (line < kFirstKey + 394) return kFarCatchKey + 394;
    if (line > kLastKey + 394) return kNearCatchKey + 394;
    return line;
}

// The street band's members of one frame, grouped by depth key: per table,
// the first slot at each key and, per slot, the next slot at the same key, in
// slot order (-1 ends a list). The walk over the keys then visits only the
// members it draws, in the order a test of every slot at every key would.
constexpr int32_t kKeyCount = kLastKey - kFirstKey + 1;
constexpr int16_t kNone = -1;

bool InBand(int32_t key) { return key >= kFirstKey && key <= kLastKey; }

template <int32_t Slots>
struct KeyLists {
    int16_t first[kKeyCount];
    int16_t next[Slots];

    void Clear() { std::fill(first, first + kKeyCount, kNone); }
    // Slots go in from the last to the first, so that each list runs in slot order.
    void Add(int32_t key, int32_t slot) {
        next[slot] = first[key - kFirstKey];
        first[key - kFirstKey] = static_cast<int16_t>(slot);
    }
    int32_t At(int32_t key) const { return InBand(key) ? first[key - kFirstKey] : kNone; }
};

struct BandIndex {
    KeyLists<EnemySlots> enemies;
    KeyLists<CorpseSlots> corpses;
    KeyLists<PickupSlots> pickups;
    KeyLists<PropSlots> props;
    KeyLists<BulletSlots> bullets;
    bool occupied[kKeyCount];  // some member of some table at this key
};
BandIndex band;

constexpr int32_t kNoMember = kLastKey + 1;

// Lists a table's members by key; `keyOf` gives a slot's key, or kNoMember.
template <int32_t Slots, typename KeyOf>
void IndexTable(KeyLists<Slots>& lists, KeyOf keyOf) {
    lists.Clear();
    for (int32_t slot = Slots - 1; slot >= 0; --slot) {
        const int32_t key = keyOf(slot);
        if (!InBand(key)) continue;
        lists.Add(key, slot);
        band.occupied[key - kFirstKey] = true;
    }
}

void IndexEnemies() {
    IndexTable(band.enemies, [](int32_t slot) {
        const int32_t kind = EnemyKind[slot];
        return kind < 0 || kind >= EnemyImageCount ? kNoMember : EnemyLane[slot];
    });
}

void IndexCorpses() {
    IndexTable(band.corpses, [](int32_t slot) {
        const int32_t kind = CorpseKind[slot];
        return kind < 0 || kind >= EnemyImageCount ? kNoMember : CorpseDepthKey(slot);
    });
}

void IndexPickups() {
    IndexTable(band.pickups,
               [](int32_t slot) { return PickupKind[slot] < 0 ? kNoMember : PickupDrawValue(slot) - 271; });
}

void IndexProps() {
    IndexTable(band.props, [](int32_t slot) { return PropFrame[slot] < 0 ? kNoMember : PropDrawValue(slot) - 271; });
}

// Every live bullet has its key within the band: the catch-alls take the rest.
void IndexBullets() {
    IndexTable(band.bullets,
               [](int32_t slot) { return BulletActive[slot] != 1 ? kNoMember : BulletDrawValue(slot) - 394; });
}

void IndexBand() {
    std::fill(band.occupied, band.occupied + kKeyCount, false);
    IndexEnemies();
    IndexCorpses();
    IndexPickups();
    IndexProps();
    IndexBullets();
    if (InBand(HeroLane)) band.occupied[HeroLane - kFirstKey] = true;
}

void DrawEnemiesAtDepth(int32_t key) {
    for (int32_t slot = band.enemies.At(key); slot != kNone; slot = band.enemies.next[slot]) {
        const int32_t kind = EnemyKind[slot];
        const int32_t frame = EnemyFrame[slot];
        const float x = ScreenX(EnemyX[slot]);
        const int32_t y = EnemyY[slot] + EnemyLane[slot];

        // In slow motion a sniper leaves an after-image 4 pixels lower, drawn
        // in whatever blend and alpha the enemy before it at this key left.
        if (SlowMotion == 4 && kind == 0 && (frame < 3 || frame == 8 || frame == 9)) {
            DrawImageFrame(EnemyImages[0], x, FloorY(y + 4), 7);
        }

        SetBlendMode(BlendAlpha);
        SetDrawAlpha(EnemyFrameIsHalfAlpha(kind, frame) ? 0.5f : 1.0f);
        const int32_t look = kind == 1 ? StreetGunmanLook(slot) : 0;
        DrawImageFrame(EnemyImages[kind], x, FloorY(y), frame + look);
    }
}

// Each table's members at one key, from the index.
void DrawCorpseList(int32_t key) {
    // Corpses are dimmed; off-screen ones are simply clipped. Their frame
    // already holds the gunman's look.
    SetDrawColour(150, 150, 150);
    for (int32_t slot = band.corpses.At(key); slot != kNone; slot = band.corpses.next[slot]) {
        DrawImageFrame(EnemyImages[CorpseKind[slot]], ScreenX(CorpseX[slot]), FloorY(CorpseY[slot]), CorpseFrame[slot]);
    }
    SetDrawColour(255, 255, 255);
}

void DrawPickupList(int32_t key) {
    SetClipRect(0, 0, 640, 480);
    for (int32_t slot = band.pickups.At(key); slot != kNone; slot = band.pickups.next[slot]) {
        const int32_t sx = PickupX[slot] + CameraX;
        if (sx <= -30 || sx >= 690) continue;
        const int32_t frame = PickupFrame(PickupKind[slot]);
        if (frame < 0) continue;
        DrawImageFrame(CollectablesImage, static_cast<float>(sx), FloorY(PickupY[slot]), frame);
    }
    SetClipRect(0, 0, 640, 480);
}

void DrawPropList(int32_t key) {
    SetClipRect(0, 0, 640, 480);
    for (int32_t slot = band.props.At(key); slot != kNone; slot = band.props.next[slot]) {
        const int32_t sx = PropX[slot] + CameraX;
        if (sx <= -60 || sx >= 641) continue;
        DrawImageFrame(DestructablesImage, static_cast<float>(sx), FloorY(PropY[slot]), PropFrame[slot]);
    }
    SetClipRect(0, 0, 640, 480);
}

void DrawBulletList(int32_t key) {
    SetBlendMode(BlendLight);
    SetClipRect(0, 0, 640, 480);
    for (int32_t slot = band.bullets.At(key); slot != kNone; slot = band.bullets.next[slot]) {
        const float x = ScreenX(BulletX[slot]);
        if (BulletKind[slot] == 2) {
            // A missile's flame flickers between two cells, rolled anew at
            // every drawing; its direction picks up, down or sideways.
            const int32_t dir = BulletDir[slot];
            const int32_t heading = dir <= 0 ? 0 : (dir <= 7 ? 4 : 2);
            const int32_t flicker = RandomInt(0, 1);
            DrawImageFrame(MissileImage, x, static_cast<float>(BulletY[slot] + ScreenShake + 56), flicker + heading);
        } else {
            int32_t offset = 0;
            if (BulletKind[slot] == 1) offset = 16;
            if (BulletKind[slot] == 4) offset = 48;
            DrawImageFrame(BulletsImage, x, FloorY(BulletY[slot]), BulletDir[slot] + offset);
        }
    }
    SetBlendMode(BlendMask);
    SetClipRect(0, 0, 640, 480);
}

// The drawing state a key with no members leaves behind it.
void PassEmptyKeys() {
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);
    SetClipRect(0, 0, 640, 480);
}

}  // namespace

void DrawFrame() {
    SetClipRect(0, 0, 640, 480);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);

    UpdateScreenShake();
    DrawStageBackground();
    DrawShadows();
    DrawObjectDebris();
    DrawStageWindows();
    DrawDrops();
    DrawShellCasings();
    DrawActorsByDepth();
    DrawAirStrike();
    DrawHitFlash();
    DrawExplosions();
    DrawLightPools();
    DrawForegroundProps();
    DrawRain();
    DrawHud();
    DrawBrightnessOverlay();
}

void DrawActorsByDepth() {
    // Drawing the hero writes none of what places a member, so one index
    // serves the whole walk.
    IndexBand();
    SetClipRect(0, 0, 640, 480);
    bool skipped = false;
    for (int32_t key = kFirstKey; key <= kLastKey; ++key) {
        if (!band.occupied[key - kFirstKey]) {
            skipped = true;
            continue;
        }
        if (skipped) PassEmptyKeys();
        skipped = false;
        DrawEnemiesAtDepth(key);
        SetBlendMode(BlendMask);
        SetDrawAlpha(1.0f);
        DrawCorpseList(key);
        // The hero (with his flying helmet and muzzle flash) is drawn only
        // while his lane lies within the band.
        if (HeroLane == key) DrawHero();
        DrawPickupList(key);
        DrawPropList(key);
        DrawBulletList(key);
    }
    if (skipped) PassEmptyKeys();
    SetClipRect(0, 0, 640, 480);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}

void DrawCorpsesAtDepth(int32_t key) {
    IndexCorpses();
    DrawCorpseList(key);
}

void DrawPickupsAtDepth(int32_t value) {
    IndexPickups();
    DrawPickupList(value - 271);
}

void DrawDestructablesAtDepth(int32_t value) {
    IndexProps();
    DrawPropList(value - 271);
}

void DrawBulletsAtDepth(int32_t value) {
    IndexBullets();
    DrawBulletList(value - 394);
}
