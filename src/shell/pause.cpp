// The pause screen.
#include "shell/pause.h"

#include "media.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/keys.h"
#include "shell/records.h"
#include "shell/text.h"

namespace {

// The waits for release give the processor back between their polls.
constexpr int32_t ReleasePollMillis = 1;

// The pause key or the pause button held. Both are asked every time: the
// queries take in the waiting input events.
bool PauseControlDown() {
    const int32_t key = IsKeyDown(KeyCodes[KeyPause]);
    const int32_t button = IsJoyButtonDown(JoyButtons[JoyPauseStart], JoyPort);
    return key == 1 || button == 1;
}

}  // namespace

void RunPauseScreen() {
    UpdateMusic();
    PauseAllSounds();
    // The music is silenced, not paused.
    SetChannelVolume(MusicIntroChannel, 0.0f);
    SetChannelVolume(MusicLoopChannel, 0.0f);

    // The press that opened the pause must be let go first.
    while (PauseControlDown()) SleepMillis(ReleasePollMillis);
    FlushKeyStates();

    for (;;) {
        UpdateMusic();
        const bool pause = PauseControlDown();
        const bool escape = KeyHitCount(VkEscape) == 1;
        if (pause || escape) break;
        ClearScreen();
        // The first frame keeps whatever blend mode the stage's frame left.
        DrawImageFrame(PauseScreenImage, 0.0f, 0.0f, 0);
        SetBlendMode(BlendLight);
        DrawTextCentered(236, "PAUSE");
        SetBlendMode(BlendMask);
        PresentFrame(-1);
    }

    for (;;) {
        const int32_t key = IsKeyDown(KeyCodes[KeyPause]);
        const int32_t escape = IsKeyDown(VkEscape);
        const int32_t button = IsJoyButtonDown(JoyButtons[JoyPauseStart], JoyPort);
        if (key != 1 && escape != 1 && button != 1) break;
        SleepMillis(ReleasePollMillis);
    }

    SetChannelVolume(MusicIntroChannel, 1.0f);
    SetChannelVolume(MusicLoopChannel, 1.0f);
    UpdateMusic();
    ResumeAllSounds();
    FlushKeyStates();
}
