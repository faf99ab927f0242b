// The maker's logo screen.
#include "shell/logo_screen.h"

#include <cstdint>

#include "media.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/keys.h"

namespace {

constexpr int32_t LogoMillis = 5000;

constexpr float LogoScaleStart = 0.8f;
constexpr float LogoScaleStep = 0.001f;  // full size after 200 frames
constexpr float VeilStep = 0.006f;       // clear after about 167 frames

}  // namespace

void ShowLogoScreen() {
    ClearScreen();
    const int32_t shownAt = ElapsedMillis();
    float scale = LogoScaleStart;
    float veil = 1.0f;
    bool escape = false;
    do {
        ClearScreen();
        scale += LogoScaleStep;
        if (scale > 1.0f) scale = 1.0f;
        veil -= VeilStep;
        if (veil < 0.0f) veil = 0.0f;

        PlainDrawing();
        SetDrawScale(scale, scale);
        DrawImageFrame(TorvaneImage, 320.0f, 240.0f, 0);

        SetBlendMode(BlendAlpha);
        SetDrawAlpha(veil);
        SetDrawColour(0, 0, 0);
        SetDrawScale(1.0f, 1.0f);
        FillRect(0.0f, 0.0f, 640.0f, 480.0f);
        PresentFrame(-1);

        escape = KeyHitCount(VkEscape) == 1;
    } while (!escape && MillisSince(shownAt) <= LogoMillis);

    SetDrawScale(1.0f, 1.0f);
    FlushKeyStates();
    PlainDrawing();
    FadeOutToBlack();
    ClearScreen();
    SleepMillis(1000);
}
