// Play input: once per tick the control device (keyboard, joystick or the
// attract demo's script) becomes this tick's direction code and fire and jump
// flags; the special attack's button combination is caught here too.
#pragma once

#include <cstdint>

// The first step of every tick. Keyboard and joystick clear InputDir first;
// the demo script leaves it as the previous tick set it where no rule of the
// script speaks.
void ReadInput();

// The demo script's pass ranges (DemoTick, both ends included), in the order
// its rules run; a later rule overwrites an earlier one.
struct DemoRange {
    int32_t first;
    int32_t last;
};
constexpr DemoRange DemoStandStill = {0, 799};       // InputDir 0
constexpr DemoRange DemoFirstWalk = {101, 149};      // InputDir 2
constexpr DemoRange DemoPiercingShot = {241, 309};   // FireHit 1 while weapon 2 is current
constexpr DemoRange DemoSecondWalk = {311, 599};     // InputDir 2
constexpr DemoRange DemoRandomFire = {611, 1899};    // FireHeld = RandomInt(0, 40)
constexpr DemoRange DemoWander = {801, 1499};        // stage 6: 8, from 1081 on 2; elsewhere rare re-draws
constexpr int32_t DemoStage6TurnRight = 1081;
constexpr DemoRange DemoLastWalk = {1500, 1999};     // InputDir 2
