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

// Frames that show an enemy half see-through (muzzle smoke and the like),
// by the kind's own frame before any look offset.
bool EnemyFrameIsHalfAlpha(int32_t kind, int32_t frame);
// A corpse lies where the enemy fell: its key is its y less the kind's base.
int32_t CorpseDepthKey(int32_t slot);
// CollectablesImage frame of a pickup kind; -1 for kinds never drawn on the
// street (4 and 5).
int32_t PickupFrame(int32_t kind);

// One table's members at one key. Corpses take the key itself; pickups and
// props take key + 271, bullets key + 394 (the numbers their y is compared with).
void DrawCorpsesAtDepth(int32_t key);
void DrawPickupsAtDepth(int32_t value);
void DrawDestructablesAtDepth(int32_t value);
void DrawBulletsAtDepth(int32_t value);
