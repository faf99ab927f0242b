// The actor tables: everything that exists in numbers during a section lives
// in fixed-size tables of 32-bit integers, one array per field, indexed by
// slot from 0. A slot is free when its free-test field holds the free value
// noted below; a new actor takes the first free slot searched from 0.
// Positions are section x (screen x = x + CameraX) and play y.
#pragma once

#include <cstdint>

// ------------------------------------------------------------------ sizes
constexpr int32_t EnemySlots = 30;
constexpr int32_t BulletSlots = 100;
constexpr int32_t BombSlots = 50;
constexpr int32_t ShellCasingSlots = 100;
constexpr int32_t PickupSlots = 50;
constexpr int32_t PropSlots = 50;
constexpr int32_t ExplosionSlots = 31;
constexpr int32_t BloodDropSlots = 100;
constexpr int32_t SpawnEntrySlots = 100;
constexpr int32_t CorpseSlots = 151;  // a ring written at CorpseNext
constexpr int32_t DebrisSlots = 10;

// ------------------------------------------------------------------ Enemy (free: EnemyKind -1)
extern int32_t EnemyKind[EnemySlots];       // -1 free; 0 sniper, 1 street gunman, 4 biker,
                                            // 6 chainsaw killer, 11 rogue officer, 17 KR770
extern int32_t EnemyX[EnemySlots];          // left edge of the kind's sprite cell
extern int32_t EnemyY[EnemySlots];          // base y
extern int32_t EnemyLane[EnemySlots];       // lane offset (-150..80); the depth key
extern int32_t EnemyDrift[EnemySlots];      // 1 while drifting toward the hero's lane
extern int32_t EnemyState[EnemySlots];      // <100 live states, 100 killed, >100 dying timer
extern int32_t EnemyFacing[EnemySlots];     // 0 left, 1 right
extern int32_t EnemyFrame[EnemySlots];      // frame in the kind's strip
extern int32_t EnemyHealth[EnemySlots];     // below 1 the enemy dies
extern int32_t EnemyShotCount[EnemySlots];  // shots in the current burst; -1 idle
extern int32_t EnemyShotLatch[EnemySlots];  // refire latch, stepped every 100 ms

// ------------------------------------------------------------------ Bullet (free: BulletActive 0)
extern int32_t BulletActive[BulletSlots];   // 1 live, 0 free
extern int32_t BulletOwner[BulletSlots];    // 0 the hero's, else the shooter's enemy slot + 1
extern int32_t BulletX[BulletSlots];
extern int32_t BulletY[BulletSlots];
extern int32_t BulletLane[BulletSlots];     // added to BulletY: the shooter's lane line
extern int32_t BulletKind[BulletSlots];     // 0 normal, 1 piercing, 2 missile, 4 explosive
extern int32_t BulletDir[BulletSlots];      // 0..15 clockwise: 0 up, 4 right, 8 down, 12 left

// ------------------------------------------------------------------ Bomb (all belong to the air strike)
extern int32_t BombX[BombSlots];
extern int32_t BombY[BombSlots];            // -100 and -200 are out of play
extern int32_t BombState[BombSlots];        // 0 falling; 1.. runs on the ground; 6 finished

// ------------------------------------------------------------------ ShellCasing (free: kind -1)
extern int32_t ShellCasingX[ShellCasingSlots];
extern int32_t ShellCasingY[ShellCasingSlots];
extern int32_t ShellCasingSpin[ShellCasingSlots];    // tumble frame 0..15
extern int32_t ShellCasingKind[ShellCasingSlots];    // kind of the bullet (0, 1, 4); -1 free
extern int32_t ShellCasingSide[ShellCasingSlots];    // 0 thrown left, 1 right; 2.. steps since landing
extern int32_t ShellCasingFloorY[ShellCasingSlots];  // y at which it lands

// ------------------------------------------------------------------ Pickup (free: kind -1)
extern int32_t PickupKind[PickupSlots];     // 0..9; -1 free
extern int32_t PickupX[PickupSlots];
extern int32_t PickupY[PickupSlots];

// ------------------------------------------------------------------ Prop (free: frame -1)
// A prop's slot is its position in the section's prop list.
extern int32_t PropFrame[PropSlots];        // destructables frame 0..23 (odd: broken); -1 free
extern int32_t PropX[PropSlots];
extern int32_t PropY[PropSlots];            // base y, the prop's lane line

// ------------------------------------------------------------------ Explosion (free: kind 0)
extern int32_t ExplosionX[ExplosionSlots];
extern int32_t ExplosionY[ExplosionSlots];
extern int32_t ExplosionFrame[ExplosionSlots];  // -1 when free
extern int32_t ExplosionKind[ExplosionSlots];   // 0 free; 1 small, 2 medium, 3 big blast,
                                                // 4 fireball, 5 smoke, 6 powder

// ------------------------------------------------------------------ BloodDrop (free: age -1)
extern int32_t BloodDropX[BloodDropSlots];
extern int32_t BloodDropY[BloodDropSlots];
extern int32_t BloodDropAge[BloodDropSlots];    // -1 free; 6 falling; 7.. landed; freed above 150
extern int32_t BloodDropDrift[BloodDropSlots];  // 0 straight, 1 left, 2 right
extern int32_t BloodDropFloorY[BloodDropSlots]; // y at which it lands

// ------------------------------------------------------------------ SpawnEntry (free: kind -1)
// A slot is the entry's position in the section's spawn list.
extern int32_t SpawnEntryKind[SpawnEntrySlots];  // enemy kind; -1 none
extern int32_t SpawnEntryX[SpawnEntrySlots];     // section x that triggers the entry
extern int32_t SpawnEntryY[SpawnEntrySlots];     // y handed to SpawnEnemy
extern int32_t SpawnEntrySide[SpawnEntrySlots];  // 0 enters ahead (right edge), 1 behind (left)

// ------------------------------------------------------------------ Corpse (ring; free: kind -1)
extern int32_t CorpseKind[CorpseSlots];     // enemy kind; -1 free
extern int32_t CorpseX[CorpseSlots];
extern int32_t CorpseY[CorpseSlots];        // EnemyY + EnemyLane at death
extern int32_t CorpseFrame[CorpseSlots];    // frame of the kind's strip, look offset included
extern int32_t CorpseNext;                  // next entry written, 0..150, wrapping

// ------------------------------------------------------------------ Debris (free: frame -1)
extern int32_t DebrisX[DebrisSlots];
extern int32_t DebrisY[DebrisSlots];
extern int32_t DebrisFrame[DebrisSlots];    // 0..8; -1 free

// ------------------------------------------------------------------ single actors
// The one hit flash; -50, -50 when idle.
extern int32_t HitFlashX;
extern int32_t HitFlashY;
extern int32_t HitFlashFrame;  // frames drawn since it was set
extern int32_t HitFlashKind;   // 0 additive spark, 1 masked deflect
// The hero's flying helmet.
extern int32_t HelmetState;    // 0 none, 1 launch, 2..5 flying, 9 gone
extern int32_t HelmetX;
extern int32_t HelmetY;
extern int32_t HelmetFloorY;
extern int32_t HelmetFrame;    // 0..15
extern int32_t HelmetTick;     // step divider

// ------------------------------------------------------------------ operations
// Every element of every table to 0, as at program start.
void CreateActorTables();
// Each table to its emptied values.
void EmptyDebrisTable();
void EmptyBulletTable();
void EmptyShellCasingTable();
void EmptyBombTable();
void EmptyPickupTable();
void EmptyPropTable();
void EmptyEnemyTable();
void EmptyExplosionTable();
void EmptyBloodDropTable();
void EmptySpawnEntryTable();
void EmptyCorpseTable();  // also CorpseNext 0
// The section start's emptying, in its order: Debris, Bullet, ShellCasing,
// Bomb, Pickup, Prop, Enemy, Explosion, BloodDrop, Corpse (CorpseNext 0).
// The spawn list is emptied by its own loader.
void EmptyActorTables();
