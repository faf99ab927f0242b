// The audio services: effect pool, voice lines, pause, fade-out and stage music.
#include "shell/audio.h"

#include "media.h"
#include "shell/assets.h"
#include "shell/records.h"

int32_t MusicPair = 0;
int32_t MusicStartTime = 0;
int32_t MusicLoopStarted = 0;
int32_t LastAmbientVoice = 0;

namespace {

constexpr int32_t SlowMotionRunning = 4;

// The pool slots an effect may take, first to last.
struct SfxSlotRange {
    int32_t first;
    int32_t last;
};

SfxSlotRange SfxSlotRule(int32_t sound) {
    if (sound == 11) return {16, 16};                 // Kestgun
    if (sound == 19) return {11, 12};                 // Bloodhit
    if (sound >= 24 && sound <= 27) return {13, 15};  // walker steps
    if (sound == 47) return {10, 10};                 // Kestmove
    return {0, SfxChannelCount - 1};
}

// The table entry of a sound number; a number outside the table plays nothing.
int32_t SfxSoundOf(int32_t sound) { return sound >= 0 && sound < SfxSoundCount ? SfxSounds[sound] : 0; }
int32_t VoiceSoundOf(int32_t line) { return line >= 0 && line < VoiceSoundCount ? VoiceSounds[line] : 0; }

// Quips after a kill and ambient lines, by the draw 0..3.
constexpr int32_t QuipLines[4] = {2, 5, 6, 7};
constexpr int32_t AmbientLines[4] = {0, 1, 3, 5};

// The line asked for, or -1 for none. Makes the random draws in their order.
int32_t ChooseVoiceLine(int32_t n) {
    if (n == -3) {
        const int32_t chance = RandomInt(0, 10);
        if (chance != 0) return -1;
        const int32_t pick = RandomInt(0, 3);
        return QuipLines[pick];
    }
    if (n == -2) {
        if (LiveEnemyCount <= 0) return -1;
        if (HeroState >= 5) return -1;
        const int32_t chance = RandomInt(0, 49);
        if (chance != 0) return -1;
        if (MillisSince(LastAmbientVoice) <= AmbientVoiceSpacing) return -1;
        LastAmbientVoice = ElapsedMillis();
        const int32_t pick = RandomInt(0, 3);
        return AmbientLines[pick];
    }
    if (n == -1) return 2;
    if (n >= 0) return n;
    return -1;
}

}  // namespace

void PlaySfx(int32_t sound, float volume, float pan) {
    const SfxSlotRange range = SfxSlotRule(sound);
    for (int32_t slot = range.first; slot <= range.last; ++slot) {
        if (IsChannelPlaying(SfxChannels[slot])) continue;
        const int32_t channel = PlaySoundOn(SfxSoundOf(sound), 0);
        SfxChannels[slot] = channel;
        SetChannelVolume(channel, volume);
        SetChannelPan(channel, pan);
        SetChannelRate(channel, SlowMotion == SlowMotionRunning ? 0.5f : 1.0f);
        return;
    }
    // Every slot of the range is busy: the effect is dropped.
}

void PlayVoiceLine(int32_t n) {
    const int32_t line = ChooseVoiceLine(n);
    if (line >= 0 && !IsChannelPlaying(VoiceChannel)) VoiceChannel = PlaySoundOn(VoiceSoundOf(line), 0);
    SetChannelVolume(VoiceChannel, 0.9f);
    SetChannelPan(VoiceChannel, HeroPan);
    SetChannelRate(VoiceChannel, SlowMotion == SlowMotionRunning ? 0.7f : 1.0f);
}

void PauseAllSounds() {
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) {
        if (IsChannelPlaying(SfxChannels[slot])) PauseChannel(SfxChannels[slot]);
    }
    PauseChannel(VoiceChannel);
}

void ResumeAllSounds() {
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) {
        if (IsChannelPlaying(SfxChannels[slot])) ResumeChannel(SfxChannels[slot]);
    }
    ResumeChannel(VoiceChannel);
}

void FadeOutAllSounds() {
    // 1.0, 0.9, ..., 0.1: the rounding of the float steps leaves v just
    // below 0 after the step at 0.1, so there is no step at 0.
    for (float volume = 1.0f; volume >= 0.0f; volume -= 0.1f) {
        if (MusicOn == 1) {
            SetChannelVolume(MusicIntroChannel, volume);
            SetChannelVolume(MusicLoopChannel, volume);
        }
        // The voice plays at 0.9 and is never raised.
        if (volume <= 0.9f) SetChannelVolume(VoiceChannel, volume);
        SleepMillis(100);
    }
    if (MusicOn == 1) {
        StopChannel(MusicIntroChannel);
        StopChannel(MusicLoopChannel);
    }
    StopChannel(VoiceChannel);
    for (int32_t slot = 0; slot < SfxChannelCount; ++slot) StopChannel(SfxChannels[slot]);
}

void StartMusic() {
    if (MusicOn == 0) return;
    const int32_t coin = RandomInt(0, 1);
    MusicPair = coin == 0 ? 0 : 2;
    // A pair still playing (music switched on with F3 during slow motion,
    // whose end starts the music again) would otherwise lose its slots and
    // play on for ever; it makes way for the new one.
    StopChannel(MusicIntroChannel);
    StopChannel(MusicLoopChannel);
    MusicLoopChannel = CueSoundOn(MusicSounds[MusicPair + 1], 0);
    MusicLoopStarted = 0;
    MusicIntroChannel = PlaySoundOn(MusicSounds[MusicPair], 0);
    MusicStartTime = ElapsedMillis();
}

void UpdateMusic() {
    if (MusicOn == 0 || MusicLoopStarted == 1) return;
    const int32_t cueTime = MusicPair == 0 ? MusicCuePair0 : MusicCuePair2;
    if (MillisSince(MusicStartTime) < cueTime) return;
    ResumeChannel(MusicLoopChannel);
    MusicStartTime = ElapsedMillis();
    MusicLoopStarted = 1;
}
