// The actor tables and their emptying.
#include "play/tables.h"

#include <algorithm>

int32_t EnemyKind[EnemySlots];
int32_t EnemyX[EnemySlots];
int32_t EnemyY[EnemySlots];
int32_t EnemyLane[EnemySlots];
int32_t EnemyDrift[EnemySlots];
int32_t EnemyState[EnemySlots];
int32_t EnemyFacing[EnemySlots];
int32_t EnemyFrame[EnemySlots];
int32_t EnemyHealth[EnemySlots];
int32_t EnemyShotCount[EnemySlots];
int32_t EnemyShotLatch[EnemySlots];

int32_t BulletActive[BulletSlots];
int32_t BulletOwner[BulletSlots];
int32_t BulletX[BulletSlots];
int32_t BulletY[BulletSlots];
int32_t BulletLane[BulletSlots];
int32_t BulletKind[BulletSlots];
int32_t BulletDir[BulletSlots];

int32_t BombX[BombSlots];
int32_t BombY[BombSlots];
int32_t BombState[BombSlots];

int32_t ShellCasingX[ShellCasingSlots];
int32_t ShellCasingY[ShellCasingSlots];
int32_t ShellCasingSpin[ShellCasingSlots];
int32_t ShellCasingKind[ShellCasingSlots];
int32_t ShellCasingSide[ShellCasingSlots];
int32_t ShellCasingFloorY[ShellCasingSlots];

int32_t PickupKind[PickupSlots];
int32_t PickupX[PickupSlots];
int32_t PickupY[PickupSlots];

int32_t PropFrame[PropSlots];
int32_t PropX[PropSlots];
int32_t PropY[PropSlots];

int32_t ExplosionX[ExplosionSlots];
int32_t ExplosionY[ExplosionSlots];
int32_t ExplosionFrame[ExplosionSlots];
int32_t ExplosionKind[ExplosionSlots];

int32_t BloodDropX[BloodDropSlots];
int32_t BloodDropY[BloodDropSlots];
int32_t BloodDropAge[BloodDropSlots];
int32_t BloodDropDrift[BloodDropSlots];
int32_t BloodDropFloorY[BloodDropSlots];

int32_t SpawnEntryKind[SpawnEntrySlots];
int32_t SpawnEntryX[SpawnEntrySlots];
int32_t SpawnEntryY[SpawnEntrySlots];
int32_t SpawnEntrySide[SpawnEntrySlots];

int32_t CorpseKind[CorpseSlots];
int32_t CorpseX[CorpseSlots];
int32_t CorpseY[CorpseSlots];
int32_t CorpseFrame[CorpseSlots];
int32_t CorpseNext = 0;

int32_t DebrisX[DebrisSlots];
int32_t DebrisY[DebrisSlots];
int32_t DebrisFrame[DebrisSlots];

int32_t HitFlashX = 0;
int32_t HitFlashY = 0;
int32_t HitFlashFrame = 0;
int32_t HitFlashKind = 0;
int32_t HelmetState = 0;
int32_t HelmetX = 0;
int32_t HelmetY = 0;
int32_t HelmetFloorY = 0;
int32_t HelmetFrame = 0;
int32_t HelmetTick = 0;

namespace {
template <int32_t N>
void Fill(int32_t (&field)[N], int32_t value) {
    std::fill(field, field + N, value);
}
}  // namespace

void CreateActorTables() {
    Fill(DebrisX, 0); Fill(DebrisY, 0); Fill(DebrisFrame, 0);
    Fill(BulletActive, 0); Fill(BulletOwner, 0); Fill(BulletX, 0); Fill(BulletY, 0);
    Fill(BulletLane, 0); Fill(BulletKind, 0); Fill(BulletDir, 0);
    Fill(BombX, 0); Fill(BombY, 0); Fill(BombState, 0);
    Fill(ShellCasingX, 0); Fill(ShellCasingY, 0); Fill(ShellCasingSpin, 0);
    Fill(ShellCasingKind, 0); Fill(ShellCasingSide, 0); Fill(ShellCasingFloorY, 0);
    Fill(PickupKind, 0); Fill(PickupX, 0); Fill(PickupY, 0);
    Fill(PropFrame, 0); Fill(PropX, 0); Fill(PropY, 0);
    Fill(ExplosionX, 0); Fill(ExplosionY, 0); Fill(ExplosionFrame, 0); Fill(ExplosionKind, 0);
    Fill(BloodDropX, 0); Fill(BloodDropY, 0); Fill(BloodDropAge, 0);
    Fill(BloodDropDrift, 0); Fill(BloodDropFloorY, 0);
    Fill(EnemyKind, 0); Fill(EnemyX, 0); Fill(EnemyY, 0); Fill(EnemyLane, 0);
    Fill(EnemyDrift, 0); Fill(EnemyState, 0); Fill(EnemyFacing, 0); Fill(EnemyFrame, 0);
    Fill(EnemyHealth, 0); Fill(EnemyShotCount, 0); Fill(EnemyShotLatch, 0);
    Fill(SpawnEntryKind, 0); Fill(SpawnEntryX, 0); Fill(SpawnEntryY, 0); Fill(SpawnEntrySide, 0);
    Fill(CorpseKind, 0); Fill(CorpseX, 0); Fill(CorpseY, 0); Fill(CorpseFrame, 0);
}

void EmptyDebrisTable() {
    Fill(DebrisX, -60);
    Fill(DebrisY, -85);
    Fill(DebrisFrame, -1);
}

void EmptyBulletTable() {
    Fill(BulletActive, 0); Fill(BulletOwner, 0); Fill(BulletX, 0); Fill(BulletY, 0);
    Fill(BulletLane, 0); Fill(BulletKind, 0); Fill(BulletDir, 0);
}

void EmptyShellCasingTable() {
    Fill(ShellCasingX, -1); Fill(ShellCasingY, -1); Fill(ShellCasingSpin, -1);
    Fill(ShellCasingKind, -1); Fill(ShellCasingSide, -1); Fill(ShellCasingFloorY, -1);
}

void EmptyBombTable() {
    Fill(BombX, 0);
    Fill(BombY, -100);
    Fill(BombState, 0);
}

void EmptyPickupTable() {
    Fill(PickupX, -100);
    Fill(PickupY, -100);
    Fill(PickupKind, -1);
}

void EmptyPropTable() {
    Fill(PropX, -100);
    Fill(PropY, -100);
    Fill(PropFrame, -1);
}

void EmptyEnemyTable() {
    Fill(EnemyKind, -1); Fill(EnemyX, -1); Fill(EnemyY, -1); Fill(EnemyLane, -1);
    Fill(EnemyDrift, -1); Fill(EnemyState, -1); Fill(EnemyFacing, 0); Fill(EnemyFrame, -1);
    Fill(EnemyHealth, -1); Fill(EnemyShotCount, -1); Fill(EnemyShotLatch, -1);
}

void EmptyExplosionTable() {
    Fill(ExplosionX, 0);
    Fill(ExplosionY, 0);
    Fill(ExplosionFrame, -1);
    Fill(ExplosionKind, 0);
}

void EmptyBloodDropTable() {
    Fill(BloodDropX, 0); Fill(BloodDropY, 0); Fill(BloodDropAge, -1);
    Fill(BloodDropDrift, 0); Fill(BloodDropFloorY, 0);
}

void EmptySpawnEntryTable() {
    Fill(SpawnEntryKind, -1); Fill(SpawnEntryX, -1); Fill(SpawnEntryY, -1); Fill(SpawnEntrySide, -1);
}

void EmptyCorpseTable() {
    Fill(CorpseKind, -1); Fill(CorpseX, -1); Fill(CorpseY, -1); Fill(CorpseFrame, -1);
    CorpseNext = 0;
}

void EmptyActorTables() {
    EmptyDebrisTable();
    EmptyBulletTable();
    EmptyShellCasingTable();
    EmptyBombTable();
    EmptyPickupTable();
    EmptyPropTable();
    EmptyEnemyTable();
    EmptyExplosionTable();
    EmptyBloodDropTable();
    EmptyCorpseTable();
}
