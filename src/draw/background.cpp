// Screen shake, stage background and light pools.
#include "draw/background.h"

#include <cstdint>

#include "media.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace {

// Where a section's back layers sit (y before the shake). Band 2 always
// lies 90 pixels above band 1 and band 3 another 90 above that; the two sky
// images of bands 1 and 2 are the same on every stage.
struct BackLayers {
    int32_t skyY;        // band 1 (SkyImages[9]); band 2 at -90, band 3 at -180
    int32_t band3Image;  // SkyImages entry of band 3
    int32_t cityImage;   // CityImages entry of the far layer
    int32_t cityY;
};

// By stage identifier. Each y is a sky or city base, less 95, plus the
// stage's own offset: e.g. stage 1 is 110 - 95 + 21 for the sky and
// 174 - 95 + 21 for the city.
bool FindBackLayers(int32_t stage, BackLayers& out) {
    switch (stage) {
        case 1: out = {36, 1, 1, 100}; return true;
        case 2: out = {33, 1, 1, 97}; return true;
        case 3:
        case 21: out = {9, 1, 1, 96}; return true;
        case 4: out = {-20, 1, 10, 63}; return true;
        case 5: out = {91, 1, 5, 181}; return true;
        case 6: out = {52, 1, 10, 122}; return true;
        case 7: out = {106, 1, 1, 156}; return true;
        case 8: out = {147, 9, 9, -136}; return true;
        case 9: out = {41, 9, 9, 155}; return true;
        case 10:
        case 11: out = {184, 1, 10, 134}; return true;
        case 16: out = {-12, 9, 10, -295}; return true;
        default: return false;
    }
}

// One sky band: the picture three times, 640 apart around its offset, so the
// wrapping offset never shows a gap.
void DrawSkyBand(int32_t image, int32_t x, int32_t y) {
    DrawImageFrame(image, static_cast<float>(x), static_cast<float>(y), 0);
    DrawImageFrame(image, static_cast<float>(x + 640), static_cast<float>(y), 0);
    DrawImageFrame(image, static_cast<float>(x - 640), static_cast<float>(y), 0);
}

void DrawTranslucent(int32_t image, int32_t x, int32_t y) {
    SetBlendMode(BlendAlpha);
    SetDrawAlpha(0.3f);
    DrawImageFrame(image, static_cast<float>(x), static_cast<float>(y), 0);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}

// The section's strip: the column before the first visible one up to 16
// after it, each 40 pixels wide; columns outside the section are skipped.
void DrawStageStrip() {
    const int32_t lastColumn = StageLength / 40 - 1;
    int32_t x = ScrollSub - 40;
    for (int32_t column = ScrollColumn - 1; column <= ScrollColumn + 16; ++column) {
        if (column >= 0 && column <= lastColumn) {
            DrawImageFrame(StageStripImage, static_cast<float>(x), static_cast<float>(ScreenShake), column);
        }
        x += 40;
    }
}

void WrapRedLight() {
    if (RedLightFrame > 5) RedLightFrame = 0;
}

void DrawRedLight(int32_t worldX, int32_t y) {
    DrawImageFrame(RedlightImage, static_cast<float>(worldX + CameraX), static_cast<float>(y + ScreenShake),
                   RedLightFrame);
}

}  // namespace

void UpdateScreenShake() {
    if (ScreenShake > 0) ScreenShake = RandomInt(1, 5);
    if (StageNumber == 8) {
        // The lift jolts by one pixel now and then, less often in slow
        // motion, and rests still while the hero walks off.
        ScreenShake = RandomInt(0, 1);
        int32_t calm;
        if (SlowMotion != 0) {
            calm = RandomInt(0, 20);
        } else {
            calm = RandomInt(0, 10);
        }
        if (calm > 0) ScreenShake = 0;
        if (HeroState == 7) ScreenShake = 0;
    }
}

void DrawStageBackground() {
    if (SlowMotion != 0) return;

    SetClipRect(0, 0, 640, 480);
    BackLayers layers;
    if (FindBackLayers(StageNumber, layers)) {
        const int32_t y1 = layers.skyY + ScreenShake;
        DrawSkyBand(SkyImages[9], ParallaxA, y1);
        DrawSkyBand(SkyImages[8], ParallaxB, y1 - 90);
        DrawSkyBand(SkyImages[layers.band3Image], ParallaxC, y1 - 180);
        const float cityY = static_cast<float>(layers.cityY + ScreenShake);
        DrawImageFrame(CityImages[layers.cityImage], static_cast<float>(ParallaxD), cityY, 0);
        DrawImageFrame(CityImages[layers.cityImage], static_cast<float>(ParallaxD + 640), cityY, 0);
    }

    // Ornaments behind the strip.
    if (StageNumber == 8) {
        // The lift shaft scrolls past at a fixed place, unshaken; two copies
        // 592 apart leave no seam.
        DrawImageFrame(LiftscrollImage, 105.0f, static_cast<float>(ElevatorShaft), 0);
        DrawImageFrame(LiftscrollImage, 105.0f, static_cast<float>(ElevatorShaft - 592), 0);
    }
    if (StageNumber == 9) {
        SetBlendMode(BlendAlpha);
        SetDrawAlpha(0.3f);
        for (const int32_t x : {295, 366, 437, 508, 591}) {
            DrawImageFrame(Pillarglass4Image, static_cast<float>(x), static_cast<float>(50 + ScreenShake), 0);
        }
        SetBlendMode(BlendMask);
        SetDrawAlpha(1.0f);
    }

    DrawStageStrip();
    SetClipRect(0, 0, 640, 480);

    // Ornaments in front of the strip.
    if (StageNumber == 6) {
        const int32_t cruiserFrame = RandomInt(0, 1);  // the lights flash
        DrawImageFrame(CruiserImage, static_cast<float>(CameraX), static_cast<float>(175 + ScreenShake),
                       cruiserFrame);
    }
    if (StageNumber == 7) DrawTranslucent(Pillarglass3Image, CameraX, 86 + ScreenShake);

    WrapRedLight();
    if (StageNumber == 4) {
        for (const int32_t worldX : {170, 299, 650, 779, 1761}) DrawRedLight(worldX, 106);
    }
    if (StageNumber == 16) {
        WrapRedLight();
        DrawRedLight(580, 134);
    }

    // The face on the screen shows on three of the 8-step cycle's 21 ticks.
    if (StageNumber == 9 && (Cycle8Tick == 0 || Cycle8Tick == 7 || Cycle8Tick == 14)) {
        DrawImageFrame(FacetvImage, 124.0f, static_cast<float>(152 + ScreenShake), 0);
    }
}

void DrawLightPools() {
    static constexpr int32_t kStage1Pools[] = {130, 1711, 3867, 4634};
    static constexpr int32_t kStage2Pools[] = {606, 1533, 2424, 3511, 4217, 4278};
    static constexpr int32_t kStage3Pools[] = {119};

    const int32_t* pools = nullptr;
    int32_t count = 0;
    switch (StageNumber) {
        case 1: pools = kStage1Pools; count = 4; break;
        case 2: pools = kStage2Pools; count = 6; break;
        case 3:
        case 21: pools = kStage3Pools; count = 1; break;
        default: return;
    }

    SetBlendMode(BlendLight);
    SetDrawAlpha(0.3f);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t sx = CameraX + pools[i];
        if (sx > -120 && sx < 640) {
            DrawImageFrame(LightmapImage, static_cast<float>(sx), static_cast<float>(130 + ScreenShake), 0);
        }
    }
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}
