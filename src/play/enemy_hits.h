// Bullets striking an enemy: which bullets hit it this tick and what each
// strike does by the target's kind (blood or sparks, sounds, small blasts,
// knock-back, the KR770's volley, the kill quip). A strike only lowers
// EnemyHealth; the enemy pass turns a spent enemy into a killed one after
// its kind routine.
#pragma once

#include <cstdint>

// Lane band of a target kind: a bullet's lane line (BulletY + BulletLane - 74)
// must lie within EnemyY + EnemyLane + top .. + bottom, both ends included.
struct HitBand {
    int32_t top;
    int32_t bottom;
};
HitBand EnemyHitBand(int32_t kind);

// Once per enemy tick for the live enemy in `slot` (0..29), before its kind
// routine: every bullet slot in turn, the band test before the pixel test.
// The hero's bullets strike every enemy; an enemy's bullets strike only when
// a KR770 fired them, and never the KR770 that did. A dying enemy is still
// struck until its death sequence reaches 160.
void HitTestBulletsOnEnemy(int32_t slot);
