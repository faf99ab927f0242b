// Tick steps of stage play that are not built yet, and the few values of
// later routines that the section reset sets. Each stand-in is a separate
// no-op with the name the tick calls, so UpdateStageTick keeps its full order
// today. Whoever builds one deletes its stand-in here (declaration and
// definition), declares the real routine in its own header and includes that
// header in tick.cpp; a value moves the same way to the file of the routine
// that owns it (and its header is then included by stage_loop.cpp).
#pragma once

#include <cstdint>

// ---------------------------------------------------------------- tick steps
// Pickups: falling, collecting, expiry.
void UpdatePickups();
// Destructible props: burning wrecks and their removal.
void UpdateSceneryObjects();
// The air strike's bombs.
void UpdateAirStrike();
// Enemy bullets and contact against the hero.
void CheckHeroHits();

// ---------------------------------------------------------------- their values
extern int32_t PropBurnTick;      // counter shared by all broken props; 0 at section start
extern int32_t GoArrowTimer;      // the GO arrow's frame count; 0 at section start
extern int32_t StageTitleState;   // the section title: 2 fading in, 1 fading out, 0 done
extern float StageTitleAlpha;     // alpha of the section title
extern int32_t RainDensity;       // 999 at section start (400 on stage 5)
extern int32_t HeavyRainTime;     // clock of the last heavy-rain step
