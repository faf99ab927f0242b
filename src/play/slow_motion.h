// Slow motion (the mode the slow-motion pickup starts) and the stereo pans
// that turn a screen x into the pan of a sound.
#pragma once

#include <cstdint>

// Once per tick: keeps the music silent while the mode runs, counts it down
// by clock units and ends it with the power-up sound.
void UpdateSlowMotion();

// -1.1 plus 0.1 for every multiple of 32 from 0 up to the screen x, summed
// step by step in 32-bit float; not clamped.
float StereoPanFromScreenX(int32_t screenX);
// HeroPan from HeroX + CameraX; once per tick.
void UpdateHeroPan();
// EnemyPan, PropPan, ExplosionPan, BloodDropPan from the slot's x + CameraX;
// called right before the sound is played.
void EnemySoundPan(int32_t slot);
void PropSoundPan(int32_t slot);
void ExplosionSoundPan(int32_t slot);
void DropSoundPan(int32_t slot);
