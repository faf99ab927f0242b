// The sniper (enemy kind 0): he stands still on a high line above the street,
// turns his aim toward the hero (down-left, straight down or down-right) and
// fires bursts downward while the hero is within 320 px. When killed he falls
// 50 px, bleeding at the start of the fall, lands with a thud and a short
// shake, lies flickering and leaves a corpse.
#pragma once

#include <cstdint>

// Sniper states (EnemyState): his aim.
constexpr int32_t SniperAimDownLeft = 0;
constexpr int32_t SniperAimDown = 1;
constexpr int32_t SniperAimDownRight = 2;

// One enemy tick of the sniper in `slot`, after the bullet test.
void UpdateSniper(int32_t slot);
