// What lies behind the street: the frame's screen shake, the section's back
// layers (three sky bands, the far city, ornaments and the 40-pixel strip)
// and the additive light pools over the street. Each runs once per drawn
// frame, never per tick.
#pragma once

// Rolls this frame's ScreenShake before anything is drawn. Play starts a
// shake with 1 and stops it with 0; while it runs the size is rolled 1..5
// anew every frame. The lift ride (stage 8) has its own 1-pixel jolt instead.
void UpdateScreenShake();

// The sky bands, city layer, ornaments and strip of the current section.
// Draws nothing in slow motion, leaving the area behind the actors black.
void DrawStageBackground();

// Pools of lamp light on the streets of stages 1, 2, 3 and 21, drawn
// additively after the actors and effects (also in slow motion).
void DrawLightPools();
