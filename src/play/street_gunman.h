// The street gunman (enemy kind 1), the common foot soldier: he walks left or
// right, drifts toward the hero's lane, takes cover behind props and fires
// over them, stops to fire bursts when level with the hero 100 to 200 px
// away, turns back at the edges, and when killed is thrown back, falls, lies
// flickering and leaves a corpse. His look (and with it his ammunition)
// follows from his enemy slot (play/enemy_look.h).
#pragma once

#include <cstdint>

// Street gunman states (EnemyState).
constexpr int32_t GunmanWalkLeft = 0;
constexpr int32_t GunmanWalkRight = 1;
constexpr int32_t GunmanStopStandLeft = 2;
constexpr int32_t GunmanStopCrouchLeft = 3;
constexpr int32_t GunmanStopStandRight = 4;
constexpr int32_t GunmanStopCrouchRight = 5;
constexpr int32_t GunmanHoldAndFire = 6;

// One enemy tick of the gunman in `slot`, after the bullet test.
void UpdateWalker(int32_t slot);
