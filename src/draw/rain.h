// The two layers over the finished picture: the rain of stages 2 and 5
// (light rain cells, and on stage 2 two sheets of heavy rain at its peak)
// and the brightness overlay of the player's brightness setting. Both run
// once per drawn frame, so the rain's density and phase move per frame.
#pragma once

#include <cstdint>

// Chance of a rain cell is 1 in RainDensity + 1: above 900 no rain, floor 25
// (29 on stage 5); at exactly 25 the heavy rain joins. Set at each section
// start (999, or 400 on stage 5) and only lowered by the drawing.
extern int32_t RainDensity;
// Vertical offset 0..7 of the rain grid, one step per drawn rain frame.
extern int32_t RainPhase;
// Offsets of the two heavy-rain sheets.
extern int32_t HeavyRainAX;
extern int32_t HeavyRainAY;
extern int32_t HeavyRainBX;
extern int32_t HeavyRainBY;
// Clock of the last heavy-rain step; set at each section start.
extern int32_t HeavyRainTime;

// Stages 2 and 5 only. Grows heavier as the hero advances past 500 pixels,
// starting the rain sound as it begins (quietly) and near its peak (louder).
// Slow motion stops the light rain; stage 2's heavy rain keeps falling.
void DrawRain();
// The two heavy-rain sheets, each tiled over the screen; they step every
// 10 ms of the clock, or every 110 ms in slow motion.
void DrawHeavyRain();
// A white additive layer at the Brightness alpha over everything; nothing at 0.
void DrawBrightnessOverlay();
