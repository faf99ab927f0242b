// Windows in the back wall of stages 1, 2 and 4: each is a small clipped
// scene of what lies behind the glass (the sky, or a factory interior on
// stage 4), dim grey figures of every enemy and of the hero passing in front
// of it, and the window frame on top. Drawn once per frame after the falling
// glass and before the blood drops.
#pragma once

#include <cstdint>

// The windows of the current stage, left to right as the stage lists them.
// Nothing while slow motion runs (the back wall is black then).
void DrawStageWindows();

// One window: sx its screen x, y its y before the shake and the floor offset.
// Skipped when sx lies beyond -120..760.
void DrawWindowReflection(int32_t sx, int32_t y);

// The hero's figure in the glass, with and without his helmet; called only
// from DrawWindowReflection, under its clip and grey half-alpha state.
void DrawHeroReflectionHelmet();
void DrawHeroReflectionBare();
