// What takes the hero's energy outside his own state machine: enemy bullets
// that strike him and enemies that walk into him; and the short hurt flash.
#pragma once

#include <cstdint>

// The HeroImages entry and cell of the torso tested against bullets,
// recomputed at the start of every CheckHeroHits.
extern int32_t HeroHitImage;
extern int32_t HeroHitFrame;

// Contact window of an enemy kind: its feet line (EnemyY + EnemyLane + height)
// must lie within HeroLane + 395 + offset .. + offset + width. A kind without
// one (the sniper) never makes contact: width -1.
struct ContactWindow {
    int32_t height;
    int32_t offset;
    int32_t width;
};
ContactWindow EnemyContactWindow(int32_t kind);

// Once per tick, slow motion or not (slow motion only makes him unhurtable).
// Nothing in the stage exit, the hurt flash, dying or the special move.
// Enemy bullets: band test, then his torso and legs against the bullet's
// cell; one armour roll for the whole tick decides which strikes hurt.
// Contact: feet line in the kind's window, then the enemy's cell against
// the contact detector at his middle; a street gunman (and a chainsaw
// killer that is not attacking) loses a point of health on every contact tick.
void CheckHeroHits();
// Starts the hurt flash with his cry; only in states below 5 and outside
// slow motion, otherwise nothing.
void HurtHero();
