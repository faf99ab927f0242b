// The stage data: every section's spawn list and prop list, built into the
// program as one constant sequence of integers read through a single cursor
// (DataReadCursor), and the two loaders that copy the lists of the current
// StageNumber into the SpawnEntry and Prop tables at each section start.
#pragma once

#include <array>
#include <cstdint>

// 13 blocks, one per stage in the order 1..11, 16, 21. A block is the spawn
// list (kind, x, y, side records, ended by four -1) and then the prop list
// (frame, x, y records, ended by three -1).
constexpr int32_t StageDataLength = 3392;
extern const std::array<int32_t, StageDataLength> StageData;

// Where the spawn list and the prop list of a stage identifier begin in
// StageData; -1 for a number that has no block.
int32_t StageSpawnListStart(int32_t stageNumber);
int32_t StagePropListStart(int32_t stageNumber);

// Every SpawnEntry slot to -1, then the stage's spawn records in list order
// from slot 0, at most 100 (a negative kind other than -1 is skipped).
void LoadStageSpawnTable();
// Every Prop slot emptied, then the stage's prop records in list order from
// slot 0 (ReadPropList over StageData).
void LoadStageDestructables();
// Reads prop records (frame, x, y) from `start` into the Prop slots from 0
// until a frame of -1; a negative frame other than -1 is skipped, and the
// table's 50 slots are the limit. The cursor is DataReadCursor.
void ReadPropList(const int32_t* data, int32_t length, int32_t start);
