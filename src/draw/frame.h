// One picture of the running section, drawn once per pass of the in-stage
// loop (after the back buffer is cleared, before it is presented), however
// many ticks that pass ran.
//
// Every layer starts from and leaves the frame's drawing state: mask blend,
// alpha 1, colour white, scale 1 x 1, rotation 0 and the full 640 x 480 clip.
#pragma once

#include <cstdint>

// All layers, back to front: shake roll, background, shadows, falling glass,
// windows, blood drops, shell casings, the street band, air strike, hit
// flash, explosions, light pools, foreground props, rain, heads-up display,
// brightness overlay.
void DrawFrame();

// The street band. Its members are painted by depth key from -161 (far) to
// 110 (near); within one key: enemies (by slot), corpses, the hero, pickups,
// props, bullets. Members whose key lies beyond the band are caught at key
// -151 (above it) or, bullets only, at key 91 (below it).
void DrawActorsByDepth();

// One table's members at one key. Corpses take the key itself; pickups and
// props take key + 271, bullets key + 394 (the numbers their y is compared with).
void DrawCorpsesAtDepth(int32_t key);
void DrawPickupsAtDepth(int32_t value);
void DrawDestructablesAtDepth(int32_t value);
void DrawBulletsAtDepth(int32_t value);
