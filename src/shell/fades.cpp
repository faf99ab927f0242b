// Fades between black and the picture held in FadeScreenImage.
#include "shell/fades.h"

#include <cstdint>

#include "media.h"
#include "shell/assets.h"

namespace {

constexpr float FadeStepSize = 0.02f;
// A step repeats its frame until more than this many ms have passed.
constexpr int32_t FadeStepMillis = 4;

// Copies the back buffer (the caller's picture) into FadeScreenImage.
void GrabFadePicture() {
    PlainDrawing();
    GrabScreenToImage(FadeScreenImage, 0, 0, 0);
}

// One step: the held picture under black of alpha `darkness`, presented
// until more than 4 ms have passed since the step began.
void FadeStep(float darkness) {
    const int32_t stepStart = ElapsedMillis();
    do {
        ClearScreen();
        PlainDrawing();
        DrawImageFrame(FadeScreenImage, 0.0f, 0.0f, 0);
        SetBlendMode(BlendAlpha);
        SetDrawAlpha(darkness);
        SetDrawColour(0, 0, 0);
        FillRect(0.0f, 0.0f, 640.0f, 480.0f);
        PresentFrame(-1);
    } while (MillisSince(stepStart) <= FadeStepMillis);
}

// Black from 0 up to about 1.0 (51 steps), then a black screen.
void FadeHeldPictureOut() {
    for (float darkness = 0.0f; darkness <= 1.0f; darkness += FadeStepSize) FadeStep(darkness);
    ClearScreen();
    PresentFrame(-1);
}

void FinishFade() {
    PlainDrawing();
    FlushKeyStates();
}

}  // namespace

void PlainDrawing() {
    SetBlendMode(BlendMask);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);
}

void FadeInFromBlack() {
    GrabFadePicture();
    for (float darkness = 1.0f; darkness >= 0.0f; darkness -= FadeStepSize) FadeStep(darkness);
    FinishFade();
}

void FadeOutToBlack() {
    GrabFadePicture();
    FadeHeldPictureOut();
    FinishFade();
}

void FadeOutCaptured() {
    FadeHeldPictureOut();
    FinishFade();
}
