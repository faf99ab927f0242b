// Short-lived effects that run by themselves once set off: explosions
// (blasts, fireballs, smoke and powder puffs), falling glass of broken
// windows, blood drops and spent shell casings. Each has a spawn call for
// whoever causes it and an update that the tick runs once per tick; the
// drawing reads their tables (draw/effects.h).
#pragma once

#include <cstdint>

// Step dividers shared by all members of a table. ExplosionTick and
// BloodDropTick carry over from section to section; DebrisTick is set to 0
// at every section start.
extern int32_t ExplosionTick;  // 0..30
extern int32_t DebrisTick;     // 0..30
extern int32_t BloodDropTick;  // 0..10

// Explosion kinds.
constexpr int32_t SmallBlast = 1;
constexpr int32_t MediumBlast = 2;
constexpr int32_t BigBlast = 3;
constexpr int32_t Fireball = 4;
constexpr int32_t Smoke = 5;
constexpr int32_t Powder = 6;

// An explosion of kind 1..6 at (x, y) with its sound. Takes the first free
// slot, or slot 0 when all 31 are busy. A smoke puff is not made when the
// slot four below the one it would take already holds smoke. Any other kind
// makes nothing.
void SpawnExplosion(int32_t x, int32_t y, int32_t kind);
// Frames step every 10 ticks (30 in slow motion) on a phase shared by all
// explosions; blasts rise as they burn and leave smoke puffs on frame 5.
void UpdateExplosions();

// Falling glass where the prop in `prop` broke; dropped when all 10 slots are busy.
void SpawnObjectDebris(int32_t prop);
// Glass frames step every 7 ticks (31 in slow motion); a piece lives 9 steps.
void UpdateObjectDebris();

// A blood drop falling from (x, y); slot 0 is reused when all 100 are busy.
void SpawnDrop(int32_t x, int32_t y);
// Drops fall 2 px a step to their floor, land with a splat, lie and go.
// Every tick is a step, every 11th in slow motion.
void UpdateBlood();

// A casing of bullet kind `kind` thrown to the left (side 0) or right (1)
// from (x, y); dropped when all 100 slots are busy.
void SpawnShellCasing(int32_t x, int32_t y, int32_t kind, int32_t side);
// Casings tumble down to their floor line and lie there for 99 steps; they
// stand still on the ticks slow motion skips.
void UpdateShellCasings();
