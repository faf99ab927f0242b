// The audio services of stage play and stage drawing: the pool of 17 effect
// channels with its slot ranges, the hero's voice lines, pause and resume of
// what plays, the blocking fade-out at a section's end, and the stage music
// of an intro part followed by a looping long part. The front-end screens
// play their own music and beeps on their own slots.
#pragma once

#include <cstdint>

// Index of the chosen intro in MusicSounds (0 or 2); the long part is the next entry.
extern int32_t MusicPair;
// Clock when the intro started (then when the long part was resumed).
extern int32_t MusicStartTime;
// 1 once the long part has been resumed.
extern int32_t MusicLoopStarted;
// Clock when the last ambient line was chosen; set at every section start.
extern int32_t LastAmbientVoice;

// Cue times of the long parts after their intros, in ms.
constexpr int32_t MusicCuePair0 = 12600;
constexpr int32_t MusicCuePair2 = 30150;
// Least time between two ambient voice lines, in ms.
constexpr int32_t AmbientVoiceSpacing = 50000;

// Plays effect `sound` (a loaded SfxSounds number) in the first idle slot of
// its range, or drops it when the range is full: 11 only slot 16, 19 slots
// 11 and 12, 24 to 27 slots 13 to 15, 47 only slot 10, any other 0 to 16.
// Rate 0.5 while slow motion runs, fixed for the sound's whole life.
void PlaySfx(int32_t sound, float volume, float pan);
// Asks for a voice line: -3 a possible quip after a kill, -2 a possible
// ambient line (every tick), -1 line 2, 0 to 9 that line. A line starts only
// when the voice channel is idle; every call sets the voice channel's volume
// 0.9, the hero's pan and the slow-motion rate.
void PlayVoiceLine(int32_t n);
// Pause and resume the busy effect channels and the voice (not the music).
void PauseAllSounds();
void ResumeAllSounds();
// Ten volume steps of 100 ms on the stage music (while MusicOn is 1) and the
// voice, then stops the music, the voice and the whole pool. Blocks 1000 ms.
void FadeOutAllSounds();
// Picks a music pair at random and starts its intro, with the long part cued
// paused. Nothing while MusicOn is 0.
void StartMusic();
// Resumes the cued long part once its cue time has passed since the intro began.
void UpdateMusic();
