// The hero's weapons and his firing: a fresh press of fire shoots once at
// once, holding it fires timed bursts; both pick the weapon first and hand
// the bullets to FireBullet (which charges the ammunition, counts the shot,
// plays the gun and lights the muzzle flash). Power-ups raise the held-fire
// rate and burst length and finally give the unlimited gun its double shot.
//
// Weapons: 0 the unlimited gun (bullet kind 0, two with DoubleShot),
// 1 three-way (three kind-0 bullets in a fan), 2 piercing (kind 1),
// 5 explosive (kind 4). Weapons 2 and 5 fire held bursts only in slow motion.
#pragma once

#include <cstdint>

// The weapon to fire with: a weapon 1, 2 or 5 out of ammunition falls back to
// the gun, and the gun gives way to 5, then 2, then 1, the first of them with
// ammunition. A weapon with ammunition stays current until it is spent.
void SelectHeroWeapon();

// Where the hero's bullets leave the gun and which way they fly: the muzzle
// point in section coordinates and the direction (4 right, 12 left). The
// muzzle is 16 px lower while he ducks and follows his feet in the air.
struct MuzzlePoint {
    int32_t x;
    int32_t y;
    int32_t dir;
};
MuzzlePoint HeroMuzzle();

// The tick of a fresh fire press: one shot, unless slow motion runs. Leaves
// the held-fire timing and the burst count alone.
void FireHeroShot();
// Every tick on which fire is held: a shot whenever the interval has passed
// and the burst is not spent (a spent burst waits for fire to be released).
void AutoFireHero();
// One power-up collected: the count (at most 99) sets the fire interval, the
// burst length and, from the 35th on, the double shot.
void ApplyFireRateUpgrade();
