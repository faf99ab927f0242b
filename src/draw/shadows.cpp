// Shadows of the hero, enemies, props, the lift girder and bullets.
#include "draw/shadows.h"

#include <cstdint>
#include <limits>

#include "draw/hero.h"
#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

// The street from screen y 237 down, and the back wall above it.
void ClipToFloor() { SetClipRect(0, 237, 640, 243); }
void ClipToWall() { SetClipRect(0, 0, 640, 237); }

// How dark the floor shadows are on each stage.
float StageShadowAlpha() {
    switch (StageNumber) {
        case 1: case 2: case 3: case 21: return 0.7f;
        case 4: case 6: case 8: case 16: return 0.5f;
        case 5: case 7: case 9: case 10: case 11: return 0.4f;
        default: return 0.7f;
    }
}

void ShadeBlack(float alpha) {
    SetDrawColour(0, 0, 0);
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(alpha);
}

// Back to the frame's resting state.
void RestoreState() {
    SetDrawRotation(0.0f);
    SetDrawColour(255, 255, 255);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    SetDrawScale(1.0f, 1.0f);
    SetClipRect(0, 0, 640, 480);
}

// Where an enemy's shadow falls from its drawn spot, by kind.
void EnemyShadowOffset(int32_t kind, int32_t& dx, int32_t& dy) {
    switch (kind) {
        case 1: dx = -16, dy = 32; return;
        case 4: dx = -21, dy = 27; return;
        case 6: dx = -33, dy = 33; return;
        case 11: dx = -18, dy = 30; return;
        case 17: dx = -22, dy = 48; return;
        default: dx = 0, dy = 0; return;
    }
}

// The hurt cells' shadows are the bare-headed cell in both sets.
constexpr int32_t kShadowHitCell = 1;

// The cells of the hero's body as his sprite stacks them, without the lit
// and talking torsos, all at (x, y).
void DrawHeroShadowCells(float x, float y, int32_t helmetOn) {
    const HeroBody body = HeroBodyCells(helmetOn, kShadowHitCell);
    for (int32_t i = 0; i < body.count; ++i) DrawImageFrame(HeroImages[body.cells[i].entry], x, y, body.cells[i].frame);
}

bool HeroIsLow() { return HeroState == 3 || HeroState == 9 || HeroStateSaved == 3; }

// Openings of the back wall as open intervals of world x; kOpenBelow and
// kOpenAbove stand for a stretch without that end.
constexpr int32_t kOpenBelow = std::numeric_limits<int32_t>::min();
constexpr int32_t kOpenAbove = std::numeric_limits<int32_t>::max();

struct WallGap {
    int32_t from;
    int32_t to;
};

constexpr WallGap kStage1Gaps[] = {{164, 218},   {496, 646},   {1746, 1800}, {2172, 2247},
                                   {2487, 2572}, {2773, 2869}, {3339, 3687}, {3901, 3955},
                                   {4041, 4618}, {4668, 4722}, {4772, 5192}, {5242, kOpenAbove}};
constexpr WallGap kStage2Gaps[] = {{69, 144},    {647, 695},   {866, 1401},  {1567, 1621},
                                   {2088, 2135}, {2459, 2513}, {2986, 3031}, {3366, 3408},
                                   {3545, 3599}, {3744, 4034}, {4241, 4377}, {4584, 4721}};
constexpr WallGap kStage3Gaps[] = {{kOpenBelow, 86}, {153, 203}};
constexpr WallGap kStage4Gaps[] = {{452, 480}, {932, 1591}};
constexpr WallGap kStage5Gaps[] = {{kOpenBelow, kOpenAbove}};
constexpr WallGap kStage6Gaps[] = {{434, 553}, {1288, 1322}, {1799, 1848}, {3293, 3412}, {3696, 4480}};
constexpr WallGap kStage7Gaps[] = {{kOpenBelow, 144}};
constexpr WallGap kStage9Gaps[] = {{294, kOpenAbove}};
constexpr WallGap kStage10Gaps[] = {{kOpenBelow, 3625}, {3826, kOpenAbove}};
constexpr WallGap kStage11Gaps[] = {{kOpenBelow, 419}, {584, kOpenAbove}};

template <size_t N>
bool InsideAny(const WallGap (&gaps)[N], int32_t w) {
    for (const WallGap& gap : gaps) {
        const bool afterStart = gap.from == kOpenBelow || w > gap.from;
        const bool beforeEnd = gap.to == kOpenAbove || w < gap.to;
        if (afterStart && beforeEnd) return true;
    }
    return false;
}

void DrawEnemyShadows() {
    SetDrawScale(1.4f, 0.6f);
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        const int32_t kind = EnemyKind[slot];
        if (kind >= EnemyImageCount) continue;
        if (kind > 0 && EnemyState[slot] < 100) {
            // The shadow copies the strip's own frame, whatever look he wears.
            int32_t dx = 0;
            int32_t dy = 0;
            EnemyShadowOffset(kind, dx, dy);
            DrawImageFrame(EnemyImages[kind], static_cast<float>(EnemyX[slot] + CameraX + dx),
                           static_cast<float>(EnemyY[slot] + EnemyLane[slot] + ScreenShake + 74 + dy),
                           EnemyFrame[slot]);
        }
        // A live sniper stays in his window; a dead one lies on the street.
        if (kind == 0 && EnemyState[slot] > 99) {
            DrawImageFrame(EnemyImages[0], static_cast<float>(EnemyX[slot] + CameraX - 12),
                           static_cast<float>(ScreenShake + 231), 5);
        }
    }
}

void DrawPropShadows() {
    SetDrawScale(1.1f, 0.6f);
    for (int32_t slot = 0; slot < PropSlots; ++slot) {
        if (PropFrame[slot] < 0) continue;
        const int32_t sx = PropX[slot] + CameraX;
        if (sx <= -60 || sx >= 720) continue;
        // Standing props (frames below 22) throw a leaning shadow.
        int32_t dy = 98;
        if (PropFrame[slot] < 22) {
            SetDrawRotation(-30.0f);
            dy = 108;
        } else {
            SetDrawRotation(0.0f);
        }
        DrawImageFrame(DestructablesImage, static_cast<float>(sx - 16),
                       static_cast<float>(PropY[slot] + ScreenShake + dy), PropFrame[slot]);
    }
}

// The lift girder's shadow, in two pieces: on the shaft and on the floor.
void DrawGirderShadow() {
    SetDrawAlpha(0.4f);
    SetDrawRotation(0.0f);
    SetDrawScale(1.0f, 0.5f);
    const float y = static_cast<float>(ElevatorObjectY - 250);
    SetClipRect(105, 0, 430, 153);
    DrawImageFrame(GirderliftImage, 0.0f, y, 0);
    SetClipRect(0, 154, 640, 84);
    DrawImageFrame(GirderliftImage, 0.0f, y, 0);
}

// Bullet shadows lie on the bullet's lane line.
void DrawBulletShadows() {
    ShadeBlack(StageShadowAlpha());
    SetDrawScale(1.0f, 1.0f);
    ClipToFloor();
    for (int32_t slot = 0; slot < BulletSlots; ++slot) {
        if (BulletActive[slot] != 1) continue;
        const float y = static_cast<float>(BulletY[slot] + BulletLane[slot] + ScreenShake);
        if (BulletKind[slot] == 2) {
            DrawImageFrame(BulletsImage, static_cast<float>(BulletX[slot] + CameraX + 19), y, 4);
        } else {
            DrawImageFrame(BulletsImage, static_cast<float>(BulletX[slot] + CameraX), y, BulletDir[slot]);
        }
    }
}

}  // namespace

void DrawShadows() {
    const int32_t helmetOn = HelmetOn != 0 ? 1 : 0;
    if (!(HeroState == 9 && HeroAnimStep > 20)) {
        DrawHeroFloorShadow(helmetOn);
        DrawHeroWallShadow(helmetOn);
    }

    ClipToFloor();
    ShadeBlack(StageShadowAlpha());
    // In the air the hero leaves a blob on his lane line.
    if (HeroJumpPhase > 0) {
        DrawImageFrame(KestshadowImage, static_cast<float>(HeroX + CameraX + 4),
                       static_cast<float>(HeroLane + ScreenShake + 395), 0);
    }
    DrawEnemyShadows();
    DrawPropShadows();
    DrawGirderShadow();
    DrawBulletShadows();
    RestoreState();
}

void DrawHeroFloorShadow(int32_t helmetOn) {
    if (HeroJumpPhase > 0) return;
    ClipToFloor();
    ShadeBlack(StageShadowAlpha());
    SetDrawScale(1.4f, 0.6f);
    const int32_t dy = HeroIsLow() ? 11 : 16;
    DrawHeroShadowCells(static_cast<float>(HeroX + CameraX - 8),
                        static_cast<float>(HeroFootY + HeroLane + ScreenShake + 74 + dy), helmetOn);
    RestoreState();
}

void DrawHeroWallShadow(int32_t helmetOn) {
    ClipToWall();
    // In a jump the wall shadow rises half as fast as the hero.
    int32_t dy = -11;
    if (HeroJumpPhase > 0 && HeroFootY < 277) dy += (277 - HeroFootY) / 2;

    if (IsWallShadowGap(HeroX + CameraX) == 1) {
        WallShadowAlpha -= 0.01f;
    } else {
        WallShadowAlpha += 0.001f;
    }
    if (WallShadowAlpha < 0.0f) WallShadowAlpha = 0.0f;
    if (WallShadowAlpha > 0.5f) WallShadowAlpha = 0.5f;

    ShadeBlack(WallShadowAlpha);
    if (HeroIsLow()) dy = 11;
    DrawHeroShadowCells(static_cast<float>(HeroX + CameraX - 6),
                        static_cast<float>(HeroFootY + HeroLane + ScreenShake + 74 + dy), helmetOn);
    RestoreState();
}

int32_t IsWallShadowGap(int32_t screenX) {
    const int32_t w = screenX + 15 - CameraX;
    switch (StageNumber) {
        case 1: return InsideAny(kStage1Gaps, w) ? 1 : 0;
        case 2: return InsideAny(kStage2Gaps, w) ? 1 : 0;
        case 3:
        case 21: return InsideAny(kStage3Gaps, w) ? 1 : 0;
        case 4: return InsideAny(kStage4Gaps, w) ? 1 : 0;
        case 5: return InsideAny(kStage5Gaps, w) ? 1 : 0;
        case 6: return InsideAny(kStage6Gaps, w) ? 1 : 0;
        case 7: return InsideAny(kStage7Gaps, w) ? 1 : 0;
        case 9: return InsideAny(kStage9Gaps, w) ? 1 : 0;
        case 10: return InsideAny(kStage10Gaps, w) ? 1 : 0;
        case 11: return InsideAny(kStage11Gaps, w) ? 1 : 0;
        default: return 0;  // stages 8 and 16: wall everywhere
    }
}
