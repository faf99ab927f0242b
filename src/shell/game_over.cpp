// The game-over screen.
#include "shell/game_over.h"

#include <cstdint>

#include "media.h"
#include "shell/assets.h"
#include "shell/fades.h"
#include "shell/text.h"

namespace {

constexpr int32_t GameOverMillis = 5000;
constexpr float TextAlphaStep = 0.005f;  // full after 200 frames

}  // namespace

void ShowGameOver() {
    PlainDrawing();
    GrabScreenToImage(PauseScreenImage, 0, 0, 0);

    SleepMillis(1000);
    MusicChannel = PlaySoundOn(EndMusic, 0);
    SetChannelVolume(MusicChannel, 1.0f);
    const int32_t shownAt = ElapsedMillis();
    float textAlpha = 0.0f;
    do {
        // The back buffer is not cleared: the frozen frame covers it.
        textAlpha += TextAlphaStep;
        if (textAlpha > 1.0f) textAlpha = 1.0f;
        SetBlendMode(BlendMask);
        DrawImageFrame(PauseScreenImage, 0.0f, 0.0f, 0);
        SetBlendMode(BlendLight);
        SetDrawAlpha(textAlpha);
        DrawTextCentered(220, "GAME OVER");
        SetBlendMode(BlendMask);
        SetDrawAlpha(1.0f);
        PresentFrame(-1);
    } while (MillisSince(shownAt) <= GameOverMillis);

    FadeOutToBlack();
    PlainDrawing();
    ClearScreen();
    SleepMillis(1000);
}
