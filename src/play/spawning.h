// Where enemies come from: the one routine that creates an enemy, the
// section's scripted spawn list that triggers as the camera reaches each
// entry, and the random spawner at both screen edges.
#pragma once

#include <cstdint>

// Creates an enemy of `kind` at section x `x` in the first free slot (none
// free: nothing happens). `y` is the caller's base y, used only for the
// gunman's and chainsaw killer's search for a lane clear of props; the
// kind's own base y replaces it. dir 1 starts a gunman or chainsaw killer
// walking right.
void SpawnEnemy(int32_t kind, int32_t x, int32_t y, int32_t dir);
// Every tick from the enemy pass: the slow creep of the lift and roof
// entries, entries reached by the camera spawned (with their arrival sounds)
// and emptied, and the bosses of stages 3 and 21 walking in.
void UpdateSpawnList();
// Once per tick, also in slow motion: now and then an enemy at the right or
// left screen edge while fewer than ten are about.
void SpawnRandomEnemy();
