// The effects of play as the frame shows them: falling glass, blood drops,
// shell casings, the air strike's bombs, the hit flash, and the explosions
// with their smoke and powder columns. Each runs once per drawn frame at its
// place in the frame's layer order and leaves the frame's drawing state.
#pragma once

// Falling glass of broken windows, half see-through (after the shadows).
void DrawObjectDebris();
// Blood drops: falling by drift, then lying and drying out over their age.
void DrawDrops();
// Shell casings by spin and bullet kind, in the mask blend the drops left.
void DrawShellCasings();
// While the air strike runs: every bomb as a flickering fireball or its burst.
void DrawAirStrike();
// The one hit flash: shown on the eleven drawn frames after a hit, then sent
// back to its resting point. Its counter counts drawn frames, not ticks.
void DrawHitFlash();
// Smoke and powder columns first, then every blast and fireball over them.
void DrawExplosions();
