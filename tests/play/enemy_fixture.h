// A street for the enemy, bullet and effect tests: the headless backend at a
// fixed clock, a new game's values, empty tables, the hero standing in the
// open on section 6, and the game's effect sounds loaded so that sounds can
// be counted.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "headless.h"

namespace enemytest {

class EnemyScene : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One enemy pass 10 ms after the last (the clock moves first).
    static void EnemyTick();
    // Effect channels of the pool playing now.
    static int32_t PlayingSfx();
};

// A street gunman in `slot` walking (state 0 left, 1 right) at x with a lane.
void PutGunman(int32_t slot, int32_t x, int32_t lane, int32_t state);
// Live slots of the enemy table.
int32_t LiveEnemies();
// Whether effect n plays in the pool; every pool channel stopped.
bool SfxPlaying(int32_t n);
void QuietPool();

}  // namespace enemytest
