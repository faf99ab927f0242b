// The heads-up display: stage clock, section title, lives, energy, the
// slow-motion gauge, weapon, ammunition, special and fire-rate icons, arrows
// over pickups, the GO arrow, the boss bars, the statistics line with the
// play clock, the frames-per-second text and the DEMO label; all of it in
// the light blend.
//
// It also applies, once per drawn frame and not per tick, a few rules of
// play: the debug mode's overrides, lives and energy held to 0..100, the
// fall-back to the unlimited gun when the current weapon is empty, the
// recount of live enemies, and the scroll lock: more than ten enemies on
// screen stop the camera, the random spawner and the spawn list until none
// is left, when the GO arrow and its calls send the hero on.
#pragma once

#include <cstdint>

// The GO arrow's count of drawn frames: 0 off, 1 on the release of a scroll
// lock, counting to 116 and back to 0. 0 at every section start.
extern int32_t GoArrowTimer;
// The section title: 2 fading in (from the section start), 1 fading out, 0 done.
extern int32_t StageTitleState;
// Its alpha, climbing 0.01 a drawn frame to just over 2 and falling back.
extern float StageTitleAlpha;
// The blink of the clock's last ten units: 0..15, one step a drawn frame.
extern int32_t HudBlink;

// Once per drawn frame, from the frame draw after the rain.
void DrawHud();
// The hero's energy as a dotted bar with one pixel per unit (AltEnergyBar 1)
// or as a figure with a percent sign.
void DrawEnergyBar();
void DrawEnergyPercent();
// A bar for every KR770 on the street, its death included, one under another.
void DrawBossEnergyBars();
// The bar of the boss in `slot`, `width` pixels wide, centred, at height y.
void DrawBossEnergyBar(int32_t slot, int32_t width, int32_t y);
