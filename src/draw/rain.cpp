// Rain and the brightness overlay.
#include "draw/rain.h"

#include "media.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

int32_t RainDensity = 0;
int32_t RainPhase = 0;
int32_t HeavyRainAX = 0;
int32_t HeavyRainAY = 0;
int32_t HeavyRainBX = 0;
int32_t HeavyRainBY = 0;
int32_t HeavyRainTime = 0;

namespace {

constexpr int32_t kHeavyRainDensity = 25;
constexpr int32_t kStage5Floor = 29;
constexpr int32_t kRainStartDensity = 900;  // above it the sky is dry
constexpr int32_t kLoudRainDensity = 30;
constexpr int32_t kRainSound = 4;

}  // namespace

void DrawRain() {
    if (StageNumber != 2 && StageNumber != 5) return;
    if (RainDensity == kHeavyRainDensity) DrawHeavyRain();
    if (SlowMotion > 0) return;

    if (CameraX < -500) RainDensity -= 1;
    if (RainDensity < kHeavyRainDensity) RainDensity = kHeavyRainDensity;
    if (StageNumber == 5 && RainDensity < kStage5Floor) RainDensity = kStage5Floor;
    if (RainDensity > kRainStartDensity) return;

    // Each sound fires once: the density steps past its mark at once.
    if (RainDensity == kLoudRainDensity) {
        RainDensity -= 1;
        PlaySfx(kRainSound, 0.6f, 0.0f);
    }
    if (RainDensity == kRainStartDensity) {
        RainDensity -= 1;
        PlaySfx(kRainSound, 0.5f, 0.0f);
    }

    RainPhase += 1;
    if (RainPhase > 7) RainPhase = 0;

    // Every cell of the 8-pixel grid rolls its drop and its chance, drawn or
    // not; a row at a time, a drop shows where its chance came out 0.
    constexpr int32_t kColumns = 640 / 8 + 1;
    int32_t hits[kColumns];
    int32_t drops[kColumns];
    for (int32_t y = ScreenShake; y <= 472; y += 8) {
        const int32_t shown = RandomPairsSecondZero(7, RainDensity, kColumns, hits, drops);
        for (int32_t i = 0; i < shown; ++i) {
            DrawImageFrame(RainImage, static_cast<float>(hits[i] * 8), static_cast<float>(y + RainPhase), drops[i]);
        }
    }
}

void DrawHeavyRain() {
    SetClipRect(0, 0, 640, 480);
    SetBlendMode(BlendLight);
    SetDrawAlpha(1.0f);

    // One step at most per drawn frame; missed steps are not made up.
    const int32_t interval = SlowMotion > 0 ? 110 : 10;
    if (MillisSince(HeavyRainTime) > interval) {
        HeavyRainAX -= 3;
        HeavyRainAY += 2;
        HeavyRainBX -= 8;
        HeavyRainBY += 6;
        if (HeavyRainAX < -100) HeavyRainAX = 0, HeavyRainAY = 0;
        if (HeavyRainBX < -25) HeavyRainBX = 75, HeavyRainBY = 75;
        HeavyRainTime = ElapsedMillis();
    }
    TileImageFrame(RainbigImage, static_cast<float>(HeavyRainAX), static_cast<float>(HeavyRainAY), 0);
    TileImageFrame(RainbigImage, static_cast<float>(HeavyRainBX), static_cast<float>(HeavyRainBY), 0);

    SetClipRect(0, 0, 640, 480);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}

void DrawBrightnessOverlay() {
    if (!(Brightness > 0.0f)) return;
    SetBlendMode(BlendLight);
    SetDrawAlpha(Brightness);
    SetDrawColour(255, 255, 255);
    FillRect(0.0f, 0.0f, 640.0f, 480.0f);
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
}
