// The enemy pass: every tick it steps the pacing values, advances the spawn
// list, runs the refire clock, and for each live enemy the bullet test, its
// kind routine and the removal far behind the hero; then the rules that end
// a section and the blast event of stage 1. Also the corpse ring, and the
// rules every kind routine shares (sounds, animation, lane drift, turning at
// the limits, freeing the slot).
#pragma once

#include <cstdint>

// Clock of the last refire tick (set at every section start).
extern int32_t EnemyTickTime;

// Enemy kinds.
constexpr int32_t KindSniper = 0;
constexpr int32_t KindGunman = 1;
constexpr int32_t KindBiker = 4;
constexpr int32_t KindChainsaw = 6;
constexpr int32_t KindRogueCop = 11;
constexpr int32_t KindKR770 = 17;

// Once per tick (before the random spawner). In slow motion the enemies act
// on one tick in five, but the pacing values and the spawn list move every tick.
void UpdateEnemies();
// Frees the slot of an enemy (any kind but the KR770) left 800 px behind the
// hero: no corpse, no kill.
void DespawnEnemyBehind(int32_t slot);
// Copies the enemy in `slot` into the corpse ring at CorpseNext (the oldest
// entry goes when the ring is full); a gunman's frame keeps his look.
void AddCorpse(int32_t slot);
// Once per tick: corpses 800 px behind the hero are removed.
void CullCorpses();
// One chance in 251 of the kind's idle noise (KR770 roar, chainsaw idling).
void EnemyIdleVoice(int32_t slot);

// ------------------------------------------------------------------ shared by the kind routines
// The height an enemy is drawn at: EnemyY + EnemyLane (its feet line adds
// the kind's height).
int32_t EnemyDrawnHeight(int32_t slot);
// The first frame of an enemy's facing in a strip that holds both: leftBase
// facing left (EnemyFacing 0), rightBase facing right (1), 0 otherwise.
int32_t EnemyFrameBase(int32_t slot, int32_t leftBase, int32_t rightBase);
// An enemy sound: the pan from the enemy's screen x, then the effect.
void PlayEnemySound(int32_t slot, int32_t sound, float volume);
// A looping animation over frames lo..hi: one frame on, every 11th tick (the
// divider ticks), and back to lo when outside. Returns true on a divider tick.
bool StepEnemyAnimation(int32_t slot, int32_t lo, int32_t hi);
// Half a pixel a tick toward the hero's lane, the feet line being the drawn
// height plus `height`.
void DriftTowardHero(int32_t slot, int32_t height);
// Turning at the section's and the screen's edges while walking: left limit
// L, right limit R, screen right S and screen left T; each turn rolls the
// drift anew.
void TurnAtLimits(int32_t slot, int32_t left, int32_t right, int32_t screenRight, int32_t screenLeft);
// The end of a death: the slot's fields to -1
// (EnemyFacing and EnemyShotLatch keep theirs).
void FreeEnemySlot(int32_t slot);
// The death of a man shot down (street gunman, chainsaw killer): counted, a
// scream, thrown away from the hero. `rightBase` is the kind's first frame
// facing right, `firstFrame` its first dying frame within a facing.
void StartThrownBackDeath(int32_t slot, int32_t rightBase, int32_t firstFrame);
// One step of that death's timer: thrown back, a short rise, the fall with a
// thud and a shake, then he lies flickering until his corpse is left.
// Returns true when the slot was freed.
bool StepThrownBackDeath(int32_t slot, int32_t rightBase, int32_t firstFrame);
