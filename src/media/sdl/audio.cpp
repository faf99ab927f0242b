// The audio output: SDL pulls 44100 Hz stereo 16-bit frames from the software
// mixer on its own thread. Without an audio device the game runs silent and
// the mixer moves its channels on by the clock instead.
#include <cstdlib>

#include <SDL.h>

#include "media_internal.h"

namespace {

SDL_AudioDeviceID g_device = 0;

void SDLCALL FeedDevice(void* /*user*/, Uint8* stream, int len) {
    media::MixAudio(reinterpret_cast<int16_t*>(stream), len / static_cast<int>(2 * sizeof(int16_t)));
}

// The mixer must not be pulled once the process is going down.
void CloseDevice() {
    if (g_device != 0 && SDL_WasInit(SDL_INIT_AUDIO)) SDL_CloseAudioDevice(g_device);
    g_device = 0;
}

}  // namespace

void InitAudio() {
    if (g_device != 0) return;
    media::SetMixerDriven(false);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;

    SDL_AudioSpec want{};
    want.freq = media::MixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;  // about 23 ms a buffer
    want.callback = FeedDevice;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the device takes.
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (g_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    media::SetMixerDriven(true);
    std::atexit(CloseDevice);
    SDL_PauseAudioDevice(g_device, 0);
}
