// The chainsaw killer (enemy kind 6): he walks the street band like a
// gunman, turns around when he bumps into a prop, and swings his saw at the
// hero when he is in the hero's lane and close: a forward swing with the
// attack sound, a back-swing, then he turns and walks the other way. He
// never fires; he hurts by contact. He idles his engine now and then, and
// dies like a gunman with his own frames.
#pragma once

#include <cstdint>

// Chainsaw killer states (EnemyState).
constexpr int32_t ChainsawWalkLeft = 0;
constexpr int32_t ChainsawWalkRight = 1;
constexpr int32_t ChainsawSwingLeft = 2;      // forward swing facing left, frames 15 up to 18
constexpr int32_t ChainsawBackSwingLeft = 3;  // 18 down to 15
constexpr int32_t ChainsawSwingRight = 4;     // forward swing facing right, frames 3 up to 6
constexpr int32_t ChainsawBackSwingRight = 5; // 6 down to 3

// One enemy tick of the chainsaw killer in `slot`, after the bullet test.
void UpdateChainsaw(int32_t slot);
