// The hero's sprite, the flying helmet and the muzzle flash.
#include "draw/hero.h"

#include "media.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

int32_t HeroScreenX = 0;
int32_t HeroScreenY = 0;

namespace {

// HeroImages entries; pairs are base + HeroFacing.
constexpr int32_t WalkLegs = 0;
constexpr int32_t Torso = 2;
constexpr int32_t KneelLegs = 4;
constexpr int32_t GunDraw = 8;
constexpr int32_t HitWhileResting = 9;
constexpr int32_t HitUnderKneel = 10;
constexpr int32_t LitTorso = 11;
constexpr int32_t TalkingTorso = 13;
constexpr int32_t LyingBody = 15;
constexpr int32_t RollingHelmet = 16;

// Every cell of the body is drawn at the hero point; the images' origins
// place the cells against each other.
void DrawAtHeroPoint(int32_t entry, int32_t frame) {
    const float x = static_cast<float>(HeroX + CameraX);
    const float y = static_cast<float>(HeroFootY + HeroLane + ScreenShake + 74);
    DrawImageFrame(HeroImages[entry], x, y, frame);
}

// The body as HeroBodyCells chooses it, with the lit torso while the gun
// fires (about every second frame) and the talking torso while a voice line
// plays (about two frames in three) over the torso.
void DrawHeroBody(int32_t helmetOn, int32_t hitCell) {
    const HeroBody body = HeroBodyCells(helmetOn, hitCell);
    for (int32_t i = 0; i < body.count; ++i) DrawAtHeroPoint(body.cells[i].entry, body.cells[i].frame);
    if (!body.torso) return;
    const int32_t frame = body.cells[body.count - 1].frame;
    if (MuzzleFlash > 0 && RandomInt(0, 1) == 0) DrawAtHeroPoint(LitTorso + HeroFacing, frame);
    if (IsChannelPlaying(VoiceChannel) && RandomInt(0, 2) > 0) DrawAtHeroPoint(TalkingTorso + HeroFacing, frame);
}

struct FlashPlace {
    int32_t cell;
    int32_t dx;
    int32_t dy;
};

// The flash's base cell and offset from the hero point by pose and facing.
FlashPlace MuzzleFlashPlace() {
    const bool right = HeroFacing == 1;
    if (HeroPose < 3) return right ? FlashPlace{4, 73, -34} : FlashPlace{0, -66, -33};
    if (HeroPose == 3) return right ? FlashPlace{3, 55, -76} : FlashPlace{1, -48, -77};
    if (HeroPose == 4) return right ? FlashPlace{2, 14, -83} : FlashPlace{2, 15, -83};
    if (HeroPose == 7) return right ? FlashPlace{6, 61, -13} : FlashPlace{5, -56, -11};
    return FlashPlace{2, -7, -83};
}

}  // namespace

HeroBody HeroBodyCells(int32_t helmetOn, int32_t hitCell) {
    // The bare-headed set lies further on in the same sheets.
    const int32_t gunDraw = helmetOn != 0 ? 0 : 16;
    const int32_t torso = helmetOn != 0 ? 0 : 7;
    int32_t step = HeroAnimStep;
    if (step < 0 || step > 15) step = 0;

    HeroBody body;
    auto add = [&body](int32_t entry, int32_t frame) { body.cells[body.count++] = HeroCell{entry, frame}; };
    // The gun drawn, stowed or raised for the special: whole-body cells.
    if (HeroState == 5 || HeroState == 7 || HeroState == 10) {
        add(GunDraw, step + gunDraw);
        return body;
    }
    if (HeroStateSaved == -1 && HeroState == 8) {
        add(HitWhileResting, hitCell);
        return body;
    }
    if (HeroStateSaved == -1 && HeroState == 9) add(HitUnderKneel, hitCell);

    if (HeroState == 3 || HeroStateSaved == 3 || HeroState == 9) {
        add(KneelLegs + HeroFacing, 0);
    } else if (HeroState >= 0) {
        add(WalkLegs + HeroFacing, HeroWalkStep);
    }

    if (HeroState == -1) {
        add(GunDraw, step + gunDraw);
        return body;
    }
    if (HeroStateSaved == -1) return body;
    add(Torso + HeroFacing, HeroTorsoFrame + torso);
    body.torso = true;
    return body;
}

void DrawHero() {
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    if (HeroState == 9 && HeroAnimStep > 20) {
        if (HeroEnergy == 0) DrawHeroOffline();
    } else if (HelmetOn != 0) {
        DrawHeroHelmetOn();
    } else {
        DrawHeroHelmetOff();
    }
    // The helmet's y is a screen y: no lane, shake or floor offset.
    if (HelmetState > 0 && HelmetY > 0) {
        DrawImageFrame(HeroImages[RollingHelmet], static_cast<float>(HelmetX + CameraX),
                       static_cast<float>(HelmetY), HelmetFrame);
    }
    DrawMuzzleFlash();
}

void DrawHeroHelmetOn() { DrawHeroBody(1, 0); }

void DrawHeroHelmetOff() { DrawHeroBody(0, 1); }

void DrawHeroOffline() {
    int32_t frame = HeroAnimStep - 30;
    if (frame < 0) frame = 0;
    if (frame > 4) frame = 4;
    if (HeroFacing == 1) frame += 5;
    HeroFootY = 302;
    DrawImageFrame(HeroImages[LyingBody], static_cast<float>(HeroX + CameraX - 25),
                   static_cast<float>(302 + HeroLane + ScreenShake + 74), frame);
}

void DrawMuzzleFlash() {
    HeroScreenX = HeroX + CameraX;
    HeroScreenY = HeroFootY;
    SetBlendMode(BlendLight);
    SetClipRect(0, 0, 640, 480);
    if (MuzzleFlash > 0) {
        int32_t variant = RandomInt(0, 1);
        if (variant == 1) variant = 7;
        const FlashPlace place = MuzzleFlashPlace();
        const int32_t show = RandomInt(0, 5);
        if (show == 0 && HeroState < 4 && HeroWeapon < 4) {
            DrawImageFrame(FiregunImage, static_cast<float>(HeroScreenX + place.dx),
                           static_cast<float>(HeroScreenY + HeroLane + ScreenShake + 74 + place.dy),
                           place.cell + variant);
        }
        MuzzleFlash += 1;
        if (MuzzleFlash > 10) MuzzleFlash = 0;
    }
    SetBlendMode(BlendMask);
    SetClipRect(0, 0, 640, 480);
}
