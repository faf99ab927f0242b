// The rogue officer (enemy kind 11): an armoured officer who walks at a
// steady pixel a tick with heavy footsteps, tramples the props in his way,
// fires along the lane whenever he is level with the hero and facing him,
// and now and then stops 100 to 200 px from the hero to aim and fire. When
// destroyed he stands giving off small blasts, collapses with a thud and
// leaves a corpse; no scream, no shake.
#pragma once

#include <cstdint>

// Rogue officer states (EnemyState).
constexpr int32_t RogueCopWalkLeft = 0;   // frames 14..21
constexpr int32_t RogueCopWalkRight = 1;  // frames 0..7
constexpr int32_t RogueCopStopLeft = 2;   // becomes RogueCopAim with frame 22 on the next call
constexpr int32_t RogueCopStopRight = 3;  // becomes RogueCopAim with frame 8 on the next call
constexpr int32_t RogueCopAim = 4;        // aim and fire, frame 22 (left) or 8 (right) held

// One enemy tick of the rogue officer in `slot`, after the bullet test.
void UpdateRogueCop(int32_t slot);
