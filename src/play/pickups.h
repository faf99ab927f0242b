// Pickups: the items that broken props release (energy, an extra life,
// ammunition, extra time, slow motion and the special attack). Which prop
// releases what is fixed per stage and per prop slot, the slot being the
// prop's place in the stage's prop list. Drawn by the street band
// (draw/frame.cpp); the heads-up display points at them.
#pragma once

#include <cstdint>

// Pickup kinds.
constexpr int32_t PickupExtraLife = 0;
constexpr int32_t PickupEnergy = 1;
constexpr int32_t PickupAmmo1 = 2;      // three-way gun
constexpr int32_t PickupAmmo2 = 3;      // piercing gun
constexpr int32_t PickupExtraTime = 6;
constexpr int32_t PickupAmmo5 = 7;      // explosive gun
constexpr int32_t PickupSlowMotion = 8;
constexpr int32_t PickupSpecial = 9;

// In the drop table: one of the three ammunition kinds, drawn at the drop.
constexpr int32_t PickupRandomAmmo = -2;

// What the prop in `propSlot` of stage `stageNumber` drops: a kind,
// PickupRandomAmmo, or -1 for nothing.
int32_t DropTableEntry(int32_t stageNumber, int32_t propSlot);

// The pickup released by the prop in `propSlot`, which broke at (x, y): it
// takes the first free slot (none: nothing happens) at (x + 16, y + 8),
// draws the random ammunition kind whether or not the prop drops anything,
// and takes its kind from the drop table. A prop that drops nothing leaves
// the slot free. The special turns into ammunition while one is in hand.
void DropPickup(int32_t propSlot, int32_t x, int32_t y);

// Once per tick: pickups above y 120 fall into place (on ticks that slow
// motion does not skip), the hero on the ground collects those he stands on,
// and pickups left 800 px behind go.
void UpdatePickups();
