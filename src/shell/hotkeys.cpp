// Function keys during play.
#include "shell/hotkeys.h"

#include <cstdint>

#include "media.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/keys.h"
#include "shell/records.h"

namespace {

constexpr float BrightnessStep = 0.001f;
constexpr float BrightnessMax = 0.5f;

void ToggleSwitch(int32_t& value) {
    value += 1;
    if (value > 1) value = 0;
}

}  // namespace

void HandleBrightnessKeys() {
    // F1 darker, F2 lighter; both together cancel out exactly.
    float change = 0.0f;
    if (IsKeyDown(VkF1) != 0) change -= BrightnessStep;
    if (IsKeyDown(VkF2) != 0) change += BrightnessStep;
    Brightness += change;
    if (Brightness < 0.0f) Brightness = 0.0f;
    if (Brightness > BrightnessMax) Brightness = BrightnessMax;
}

void HandleHotkeys() {
    HandleBrightnessKeys();
    if (KeyHitCount(VkF3) == 1) {
        MusicOn += 1;
        if (MusicOn == 1) StartMusic();
        if (MusicOn > 1) {
            MusicOn = 0;
            StopChannel(MusicIntroChannel);
            StopChannel(MusicLoopChannel);
        }
    }
    if (KeyHitCount(VkF4) == 1) ToggleSwitch(ShowFps);
    if (KeyHitCount(VkF5) == 1) ToggleSwitch(AltEnergyBar);
    if (KeyHitCount(VkF6) == 1) ToggleSwitch(ShowPlayClock);
}
