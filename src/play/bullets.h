// Every shot of the hero and of the enemies is one slot of the Bullet table:
// fired with its sound and a thrown shell casing, moved each tick in one of
// sixteen directions, dropped at the edges of the play area, and glanced off
// or removed when it strikes armour.
#pragma once

#include <cstdint>

// Step of each direction 0..15 (0 up, 4 right, 8 down, 12 left, clockwise).
extern const int32_t BulletStepX[16];
extern const int32_t BulletStepY[16];

// A shot from the muzzle point (x, y). owner 0 is the hero (counts in
// BulletsFired, spends the current weapon's ammunition, muzzle flash);
// otherwise the shooter's enemy slot + 1, whose kind and frame choose the
// lane line and the sound. With all 100 slots live the shot is lost: nothing
// is counted, spent, heard or thrown.
void FireBullet(int32_t owner, int32_t x, int32_t y, int32_t kind, int32_t dir);
// Moves every live bullet one step (missiles flying straight go two) and
// drops those that leave the play area. Only on ticks slow motion does not skip.
void MoveBullets();
// A bullet that struck armour: an explosive one bursts, every kind but the
// normal one is removed, a normal one flies on turned 1..4 directions and
// now counts as the hero's. Slot numbers outside 0..99 and free slots are ignored.
void RicochetBullet(int32_t bullet);

// The small blast where a bullet bursts: kind 1 at
// (BulletX - 9 + RandomInt(-5, 5), BulletY - 10 + RandomInt(-5, 5)), the y
// offset drawn first.
void SpawnBulletBlast(int32_t bullet);
// The slot a hit test takes at `slot` of its walk over the table: the hero's
// special, a missile climbing straight up, stops at nothing, so it is passed
// over and the slot after it is taken in its place, whatever that holds; -1
// when that would be past the last slot.
int32_t BulletSlotToTest(int32_t slot);
// Frees a bullet that struck something: every field but its lane to 0.
void RemoveBullet(int32_t bullet);
