// The armed biker (enemy kind 4): he rides the street band at 3 px a tick,
// drifting toward the hero's lane, rams and breaks any prop in his path,
// turns around well off screen with a roar of his engine, and smokes once he
// is damaged. He does not fire; he hurts the hero by running into him. When
// killed he explodes; his wreck flies on, rises and drops back to the road,
// crashes with a clang and a shake, burns and is gone without a corpse.
#pragma once

#include <cstdint>

// Biker states (EnemyState).
constexpr int32_t BikerRideLeft = 0;
constexpr int32_t BikerRideRight = 1;

// One enemy tick of the biker in `slot`, after the bullet test.
void UpdateBiker(int32_t slot);
