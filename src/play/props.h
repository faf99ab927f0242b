// Destructible props: placed from the stage's prop list (a prop's slot is its
// place in that list), broken by bullets, the air strike, the stage-1 blast
// and the heavier enemies, left as a jittering wreck for a moment, removed,
// and perhaps leaving a pickup behind. Frames are cells of
// DestructablesImage: 2k is prop type k intact, 2k + 1 the same prop broken.
#pragma once

#include <cstdint>

// One counter shared by every broken prop; 0 at section start. A wreck goes
// each time it passes 25.
extern int32_t PropBurnTick;

// Breaks the prop in `slot` if it is intact (an even frame 0..22): the
// two-part prop of slots 1 and 2 breaks as a whole, the broken frame plays
// its sound and effects, and the prop's pickup (if any) drops. Anything else
// (another slot number, a free slot, a wreck) is left alone.
void HitProp(int32_t slot);

// The bullets against the prop in `slot`, in bullet slot order: those in the
// prop's band whose pixels meet it break it, or glance off with a ricochet.
// Normal and explosive bullets are used up, piercing ones and missiles fly on.
void HitTestBulletsOnProp(int32_t slot);

// Once per tick, on every tick: wrecks jitter and burn away one at a time,
// then every prop still there is tested against the bullets.
void UpdateSceneryObjects();
