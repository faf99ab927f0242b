// Window scenes with the reflections of the street in their glass.
#include "draw/windows.h"

#include "media.h"
#include "play/enemy_look.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

// World x of each window's left edge, per stage, and the windows' y.
constexpr int32_t kStage1Windows[] = {20, 1571, 1979};
constexpr int32_t kStage2Windows[] = {1423, 1645, 2305, 2629};
constexpr int32_t kStage4Windows[] = {36, 372, 516, 852, 1627};
constexpr int32_t kStreetWindowY = 61;
constexpr int32_t kFactoryWindowY = 73;

// HeroImages entries the reflection uses.
constexpr int32_t kWalkLegs = 0;       // + HeroFacing
constexpr int32_t kMirrorTorso = 6;    // + HeroFacing
constexpr int32_t kMirrorTorsoRight = 7;
constexpr int32_t kGunDraw = 8;
constexpr int32_t kLyingBody = 15;

// The figures stand 43 pixels right of and 14 above the actors' street spot.
constexpr int32_t kFigureDx = 43;
constexpr int32_t kFigureDy = 60;

void DrawHeroFigure(int32_t entry, int32_t frame, int32_t dx) {
    DrawImageFrame(HeroImages[entry], static_cast<float>(HeroX + CameraX + dx),
                   static_cast<float>(HeroFootY + HeroLane + ScreenShake + kFigureDy), frame);
}

// The hero's figure: gunDraw is the offset into the gun-draw cells, torso the
// offset of the torso cells, stowCell the mirrored torso cell shown while the
// gun is being drawn or stowed (helmet on 0, 0, 5; bare 16, 7, 12).
void DrawHeroReflection(int32_t gunDraw, int32_t torso, int32_t stowCell) {
    int32_t step = HeroAnimStep;
    if (step < 0 || step > 15) step = 0;

    if (HeroState == 5 || HeroState == 6 || HeroState == 7 || HeroState == 10) {
        if (HeroAnimStep >= 2 && HeroAnimStep <= 8) {
            DrawHeroFigure(kMirrorTorsoRight, stowCell, 35);
        } else {
            DrawHeroFigure(kGunDraw, step + gunDraw, kFigureDx);
        }
        return;
    }
    if (HeroState == -1) {
        DrawHeroFigure(kGunDraw, step + gunDraw, kFigureDx);
        return;
    }
    // Torso first, the legs over it.
    const int32_t torsoDx = (HeroFacing == 1 && HeroState == 11) ? 47 : 35;
    DrawHeroFigure(kMirrorTorso + HeroFacing, HeroTorsoFrame + torso, torsoDx);
    DrawHeroFigure(kWalkLegs + HeroFacing, HeroWalkStep, kFigureDx);
}

}  // namespace

void DrawStageWindows() {
    if (SlowMotion != 0) return;
    switch (StageNumber) {
        case 1:
            for (int32_t x : kStage1Windows) DrawWindowReflection(CameraX + x, kStreetWindowY);
            break;
        case 2:
            for (int32_t x : kStage2Windows) DrawWindowReflection(CameraX + x, kStreetWindowY);
            break;
        case 4:
            for (int32_t x : kStage4Windows) DrawWindowReflection(CameraX + x, kFactoryWindowY);
            break;
        default:
            break;
    }
}

void DrawWindowReflection(int32_t sx, int32_t y) {
    if (sx < -120 || sx > 760) return;
    const int32_t wy = y + ScreenShake + 74;
    const bool factory = StageNumber == 4;

    // Everything of the window stays inside its glass.
    if (factory) {
        SetClipRect(sx, wy, 44, 44);
    } else {
        SetClipRect(sx, wy, 120, 64);
    }

    if (StageNumber == 1 || StageNumber == 2) {
        // The sky behind the glass: the background's third sky band at the
        // same x, 20 pixels above the glass.
        SetBlendMode(BlendAlpha);
        SetDrawAlpha(0.7f);
        const float skyY = static_cast<float>(wy - 20);
        DrawImageFrame(SkyImages[1], static_cast<float>(ParallaxC), skyY, 0);
        DrawImageFrame(SkyImages[1], static_cast<float>(ParallaxC + 640), skyY, 0);
        DrawImageFrame(SkyImages[1], static_cast<float>(ParallaxC - 640), skyY, 0);
        SetBlendMode(BlendMask);
        SetDrawAlpha(1.0f);
    }
    if (factory) DrawImageFrame(ReflectfactoryIntImage, static_cast<float>(sx), static_cast<float>(wy), 0);

    // Dim grey figures of everyone on the street.
    SetDrawColour(150, 150, 150);
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(0.5f);
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        const int32_t kind = EnemyKind[slot];
        if (kind < 0 || kind >= EnemyImageCount) continue;
        const int32_t look = kind == 1 ? StreetGunmanLook(slot) : 0;
        DrawImageFrame(EnemyImages[kind], static_cast<float>(EnemyX[slot] + CameraX + kFigureDx),
                       static_cast<float>(EnemyY[slot] + EnemyLane[slot] + ScreenShake + kFigureDy),
                       EnemyFrame[slot] + look);
    }
    if (HeroState != 9) {
        if (HelmetOn != 0) {
            DrawHeroReflectionHelmet();
        } else {
            DrawHeroReflectionBare();
        }
    } else if (HeroEnergy == 0) {
        // Out of energy: the lying body, settling from step 30 to 34.
        int32_t frame = HeroAnimStep - 30;
        if (frame < 0) frame = 0;
        if (frame > 4) frame = 4;
        if (HeroFacing == 1) frame += 5;
        DrawImageFrame(HeroImages[kLyingBody], static_cast<float>(HeroX + CameraX - 25),
                       static_cast<float>(HeroFootY + HeroLane + ScreenShake + 55), frame);
    }

    // The frame over it all, still inside the glass.
    SetDrawColour(255, 255, 255);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    DrawImageFrame(factory ? WindowsmallImage : WindowImage, static_cast<float>(sx), static_cast<float>(wy), 0);
    SetClipRect(0, 0, 640, 480);
}

void DrawHeroReflectionHelmet() { DrawHeroReflection(0, 0, 5); }

void DrawHeroReflectionBare() { DrawHeroReflection(16, 7, 12); }
