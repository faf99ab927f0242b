// The stage data and its loaders: record counts of every block, the standard
// y of blank fields, full lists and the prop table's limit.
#include <gtest/gtest.h>

#include <vector>

#include "play/stage_data.h"
#include "play/tables.h"
#include "shell/records.h"

namespace {

struct BlockSize {
    int32_t stage;
    int32_t spawns;
    int32_t props;
};
constexpr BlockSize Sizes[] = {{1, 100, 33}, {2, 100, 42}, {3, 1, 2},  {4, 66, 8},   {5, 100, 10},
                               {6, 100, 19}, {7, 100, 10}, {8, 1, 6},  {9, 2, 20},   {10, 100, 22},
                               {11, 1, 6},   {16, 0, 21},  {21, 2, 4}};

// Records from `start` up to the terminator of `width` values of -1.
int32_t CountRecords(int32_t start, int32_t width, int32_t* end) {
    int32_t n = 0;
    int32_t at = start;
    for (;;) {
        bool terminator = true;
        for (int32_t i = 0; i < width; ++i) terminator = terminator && StageData[at + i] == -1;
        at += width;
        if (terminator) break;
        ++n;
    }
    *end = at;
    return n;
}

void Load(int32_t stage) {
    StageNumber = stage;
    LoadStageSpawnTable();
    LoadStageDestructables();
}

}  // namespace

TEST(StageData, EveryBlockHoldsItsRecordCountsInStageOrder) {
    int32_t at = 0;
    for (const BlockSize& b : Sizes) {
        SCOPED_TRACE("stage " + std::to_string(b.stage));
        EXPECT_EQ(StageSpawnListStart(b.stage), at);
        int32_t propsAt = 0;
        EXPECT_EQ(CountRecords(at, 4, &propsAt), b.spawns);
        EXPECT_EQ(StagePropListStart(b.stage), propsAt);
        EXPECT_EQ(CountRecords(propsAt, 3, &at), b.props);
    }
    EXPECT_EQ(at, StageDataLength);
    EXPECT_EQ(StageData.size(), 3392u);
    EXPECT_EQ(StageSpawnListStart(12), -1);
}

TEST(StageData, BlankYFieldsHoldTheKindsStandardY) {
    Load(1);
    EXPECT_EQ(SpawnEntryY[0], 240);   // street gunman, 1/1689//1
    EXPECT_EQ(SpawnEntryY[3], 258);   // biker, 4/1941//1
    EXPECT_EQ(SpawnEntryY[6], 235);   // chainsaw killer, 6/2663//1
    EXPECT_EQ(SpawnEntryY[41], 170);  // written: 1/2515/170/0
    EXPECT_EQ(SpawnEntryX[41], 2515);
    EXPECT_EQ(SpawnEntrySide[41], 0);
    Load(2);
    EXPECT_EQ(SpawnEntryKind[2], 0);
    EXPECT_EQ(SpawnEntryY[2], 89);  // sniper, 0/4487//0
    Load(10);
    EXPECT_EQ(SpawnEntryY[0], 244);  // rogue officer, 11/1971//1
    Load(7);
    EXPECT_EQ(SpawnEntryKind[0], 17);
    EXPECT_EQ(SpawnEntryY[0], 190);  // KR770, 17/635//0
    Load(6);
    EXPECT_EQ(SpawnEntryX[35], -16);  // 1/-16//1: a negative x is data, not an end
    EXPECT_EQ(SpawnEntryY[99], 0);    // 1/700/0/0, the last of a full list
    EXPECT_EQ(SpawnEntryX[99], 700);
}

TEST(StageData, LoadersFillTheTablesInListOrderAndForgetThePreviousSection) {
    Load(2);  // the largest lists
    for (const BlockSize& b : Sizes) {
        SCOPED_TRACE("stage " + std::to_string(b.stage));
        Load(b.stage);
        for (int32_t slot = 0; slot < SpawnEntrySlots; ++slot) {
            if (slot < b.spawns) {
                EXPECT_GE(SpawnEntryKind[slot], 0);
            } else {
                EXPECT_EQ(SpawnEntryKind[slot], -1);
                EXPECT_EQ(SpawnEntryX[slot], -1);
                EXPECT_EQ(SpawnEntryY[slot], -1);
                EXPECT_EQ(SpawnEntrySide[slot], -1);
            }
        }
        for (int32_t slot = 0; slot < PropSlots; ++slot) {
            if (slot < b.props) {
                EXPECT_EQ(PropFrame[slot] % 2, 0);
            } else {
                EXPECT_EQ(PropFrame[slot], -1);
                EXPECT_EQ(PropX[slot], -100);
                EXPECT_EQ(PropY[slot], -100);
            }
        }
    }
    // Stage 9's paired props.
    Load(9);
    EXPECT_EQ(PropFrame[1], 16);
    EXPECT_EQ(PropFrame[2], 18);
    EXPECT_EQ(PropX[2], 436);
    // A full spawn list stops at 100 without reading its terminator.
    Load(5);
    EXPECT_EQ(DataReadCursor, StagePropListStart(5) + 11 * 3);
    StageNumber = 5;
    LoadStageSpawnTable();
    EXPECT_EQ(DataReadCursor, StageSpawnListStart(5) + 100 * 4);
}

TEST(StageData, APropListLongerThanTheTableStopsAtFiftySlots) {
    std::vector<int32_t> list;
    for (int32_t i = 0; i < 60; ++i) {
        list.insert(list.end(), {2 * (i % 12), 100 + i, 130});
        if (i == 5) list.insert(list.end(), {-7, 0, 0});  // skipped
    }
    list.insert(list.end(), {-1, -1, -1, 555});
    EmptyPropTable();
    ReadPropList(list.data(), static_cast<int32_t>(list.size()), 0);
    EXPECT_EQ(PropX[5], 105);
    EXPECT_EQ(PropX[6], 106);
    EXPECT_EQ(PropX[49], 149);
    EXPECT_EQ(PropFrame[49], 2);
}
