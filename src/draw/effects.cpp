// Drawing of the effects.
#include "draw/effects.h"

#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

constexpr int32_t kFloorOffset = 74;

float ScreenX(int32_t worldX) { return static_cast<float>(worldX + CameraX); }
// Drawn y of a thing lying on the street (shaken with it).
float ShakenY(int32_t y) { return static_cast<float>(y + ScreenShake + kFloorOffset); }
// Drawn y of a thing in the air (not shaken).
float SteadyY(int32_t y) { return static_cast<float>(y + kFloorOffset); }

void FullClip() { SetClipRect(0, 0, 640, 480); }

// DeflectImage cell of a blood drop; later rules win.
int32_t DropCell(int32_t slot) {
    const int32_t age = BloodDropAge[slot];
    int32_t cell = 6;
    if (BloodDropDrift[slot] == 1) cell = 13;
    if (BloodDropDrift[slot] == 2) cell = 14;
    if (age > 6) cell = 7;
    if (age > 100) cell = 8;
    if (age > 110) cell = 9;
    if (age > 120) cell = 10;
    if (age > 130) cell = 11;
    if (age > 140) cell = 12;
    return cell;
}

// First ShellsImage cell of a casing's look, by the kind of its bullet.
int32_t CasingRun(int32_t kind) {
    if (kind == 1) return 16;
    if (kind == 4) return 48;
    return 0;
}

int32_t BlastImage(int32_t kind) {
    switch (kind) {
        case 1: return ExplodesmallImage;
        case 2: return ExplodemedImage;
        case 3: return ExplodebigImage;
        case 4: return FireballImage;
        default: return 0;
    }
}

}  // namespace

void DrawObjectDebris() {
    FullClip();
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(0.5f);
    for (int32_t slot = 0; slot < DebrisSlots; ++slot) {
        if (DebrisFrame[slot] < 0) continue;
        DrawImageFrame(GlassbreakImage, ScreenX(DebrisX[slot]), SteadyY(DebrisY[slot]), DebrisFrame[slot]);
    }
    FullClip();
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}

void DrawDrops() {
    SetBlendMode(BlendMask);
    FullClip();
    for (int32_t slot = 0; slot < BloodDropSlots; ++slot) {
        if (BloodDropAge[slot] <= 5) continue;
        DrawImageFrame(DeflectImage, ScreenX(BloodDropX[slot]), ShakenY(BloodDropY[slot]), DropCell(slot));
    }
    SetBlendMode(BlendMask);
    FullClip();
}

void DrawShellCasings() {
    FullClip();
    for (int32_t slot = 0; slot < ShellCasingSlots; ++slot) {
        if (ShellCasingKind[slot] < 0) continue;
        const int32_t cell = ShellCasingSpin[slot] + CasingRun(ShellCasingKind[slot]);
        DrawImageFrame(ShellsImage, ScreenX(ShellCasingX[slot]), ShakenY(ShellCasingY[slot]), cell);
    }
    FullClip();
}

void DrawAirStrike() {
    if (AirStrikeActive == 0) return;
    SetBlendMode(BlendLight);
    FullClip();
    for (int32_t slot = 0; slot < BombSlots; ++slot) {
        // Falling or just down: a flickering fireball; then its burst.
        int32_t cell = BombState[slot];
        if (BombState[slot] < 2) cell = RandomInt(0, 1);
        DrawImageFrame(FireballImage, ScreenX(BombX[slot]), SteadyY(BombY[slot]), cell);
    }
    SetBlendMode(BlendMask);
    FullClip();
}

void DrawHitFlash() {
    FullClip();
    ++HitFlashFrame;
    if (HitFlashKind == 0) {
        SetBlendMode(BlendLight);
        const int32_t cell = RandomInt(0, 2);
        DrawImageFrame(HitFlashImage, ScreenX(HitFlashX), SteadyY(HitFlashY), cell);
    } else {
        SetBlendMode(BlendMask);
        const int32_t cell = RandomInt(2, 5);
        DrawImageFrame(DeflectImage, ScreenX(HitFlashX), SteadyY(HitFlashY), cell);
    }
    if (HitFlashFrame > 10) {
        HitFlashFrame = 0;
        HitFlashX = -50;
        HitFlashY = -50;
        HitFlashKind = 0;
    }
    SetBlendMode(BlendMask);
    FullClip();
}

void DrawExplosions() {
    FullClip();

    // Columns of smoke (20 px apart) and powder (8 px apart): puff j shows
    // the cell j steps behind the explosion's own.
    for (int32_t slot = 0; slot < ExplosionSlots; ++slot) {
        if (ExplosionFrame[slot] < 0 || ExplosionKind[slot] <= 4) continue;
        for (int32_t j = 0; j <= 4; ++j) {
            const int32_t f = ExplosionFrame[slot] - j;
            if (f < 0 || f > 6) continue;
            SetBlendMode(BlendAlpha);
            SetDrawAlpha(0.6f);
            if (ExplosionKind[slot] == 5) {
                DrawImageFrame(SmokegfxImage, ScreenX(ExplosionX[slot]), ShakenY(ExplosionY[slot] - 20 * j), f);
            }
            if (ExplosionKind[slot] == 6) {
                DrawImageFrame(DrugpowderImage, ScreenX(ExplosionX[slot]), ShakenY(ExplosionY[slot] - 8 * j), f);
            }
        }
    }

    SetBlendMode(BlendLight);
    SetDrawAlpha(1.0f);
    for (int32_t slot = 0; slot < ExplosionSlots; ++slot) {
        if (ExplosionFrame[slot] < 0) continue;
        const int32_t kind = ExplosionKind[slot];
        if (kind < 1 || kind > 4) continue;  // smoke and powder were drawn above
        DrawImageFrame(BlastImage(kind), ScreenX(ExplosionX[slot]), ShakenY(ExplosionY[slot]), ExplosionFrame[slot]);
    }

    SetBlendMode(BlendMask);
    FullClip();
}
