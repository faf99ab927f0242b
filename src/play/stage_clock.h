// The small per-tick counters of a section that play and drawing read: the
// stage clock with its beeps and the slow-motion tick divider, the two shared
// animation cycles, the parallax layer offsets and the lift backdrop of
// stage 8.
#pragma once

#include <cstdint>

extern int32_t ParallaxTick;   // divider of ParallaxA, B and C; kept between sections
extern int32_t ParallaxTickD;  // divider of ParallaxD, 0..2; kept between sections
extern int32_t ElevatorTime;   // clock of the last lift step

// The stage clock: one unit every 151 ticks (not while slow motion runs), a
// beep on each of the last ten units; then the slow-motion divider.
void UpdateStageTimer();
// Cycle8 steps every 21 ticks, RedLightFrame every 7.
void TickAnimCycle8();
// Cycle26 steps every 2 ticks, every 21 in slow motion.
void TickAnimCycles();
// dir 0 none, 1 the view moved back (CameraX went up), 2 it moved forward;
// A, B and C step once every n + 1 calls.
void ScrollParallax(int32_t dir, int32_t n);
// The lift shaft and its girder move with the clock, on stage 8 only.
void UpdateElevatorBackdrop();
