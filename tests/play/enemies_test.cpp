// The enemy pass, spawning, corpses and the street gunman.
#include <string>
#include <vector>

#include "enemy_fixture.h"
#include "media.h"
#include "play/bullets.h"
#include "play/enemies.h"
#include "play/spawning.h"
#include "play/stage_data.h"
#include "play/street_gunman.h"
#include "play/tables.h"
#include "shell/records.h"

namespace enemytest {
namespace {

using EnemyPass = EnemyScene;
using Spawning = EnemyScene;
using Gunman = EnemyScene;

int32_t LiveBullets() {
    int32_t n = 0;
    for (int32_t slot = 0; slot < BulletSlots; ++slot) n += BulletActive[slot];
    return n;
}

void PutEntry(int32_t i, int32_t kind, int32_t x, int32_t y, int32_t side) {
    SpawnEntryKind[i] = kind;
    SpawnEntryX[i] = x;
    SpawnEntryY[i] = y;
    SpawnEntrySide[i] = side;
}

TEST_F(EnemyPass, ASlowMotionTickTogglesThePacingAndRunsTheSpawnListButNoEnemy) {
    SlowMotion = 4;
    SlowMotionTick = 3;
    EnemyAnimDivider = 4;
    PutGunman(0, 400, 0, 0);
    PutEntry(0, 1, 500, 120, 0);
    headless::AdvanceClock(500);  // a refire tick is due

    UpdateEnemies();
    EXPECT_EQ(EnemySpeedToggle, 2);
    EXPECT_EQ(EnemyHalfStep, 1);
    EXPECT_EQ(SpawnEntryKind[0], -1);
    EXPECT_EQ(EnemyKind[1], 1);
    EXPECT_EQ(EnemyX[1], 500);
    EXPECT_EQ(EnemyX[0], 400);
    EXPECT_EQ(EnemyAnimDivider, 4);
    EXPECT_EQ(EnemyShotLatch[0], 0);

    UpdateEnemies();
    EXPECT_EQ(EnemySpeedToggle, 1);
    EXPECT_EQ(EnemyHalfStep, 0);

    SlowMotionTick = 0;  // the one tick in five on which enemies act
    UpdateEnemies();
    EXPECT_EQ(EnemyX[0], 398);
    EXPECT_EQ(EnemyAnimDivider, 5);
    EXPECT_EQ(EnemyShotLatch[0], 1);
}

TEST_F(EnemyPass, AnEnemyFreedDuringThePassStillCountsAsLiveForTheClearTest) {
    HeroX = StageLength - 69;
    PutGunman(3, HeroX - 100, 0, 0);
    EnemyState[3] = 410;  // his last dying call
    UpdateEnemies();
    EXPECT_EQ(EnemyKind[3], -1);
    EXPECT_EQ(HeroState, 0);
    UpdateEnemies();
    EXPECT_EQ(HeroState, 7);
    EXPECT_EQ(HeroAnimStep, 16);
    EXPECT_EQ(HeroX, StageLength - 68);
}

TEST_F(EnemyPass, StageSixteenHasNoSpawnsAndClearsPastX570) {
    StageNumber = 16;
    StageLength = 640;
    LoadStageSpawnTable();
    for (int32_t i = 0; i < SpawnEntrySlots; ++i) ASSERT_EQ(SpawnEntryKind[i], -1);

    HeroX = 570;
    for (int32_t t = 0; t < 5000; ++t) {
        EnemyTick();
        SpawnRandomEnemy();
    }
    EXPECT_EQ(LiveEnemies(), 0);
    EXPECT_EQ(HeroState, 0);

    HeroX = 571;
    EnemyTick();
    EXPECT_EQ(HeroState, 7);
}

TEST_F(EnemyPass, OnStages8And11TheSpawnerOutlastsItsListUntil150KillsAndTheSectionClearsWhenQuiet) {
    StageLength = 640;  // the hero stands past StageLength - 70, which does not count on these stages
    for (const int32_t stage : {8, 11, 10}) {
        SCOPED_TRACE("stage " + std::to_string(stage));
        StageNumber = stage, HeroState = 0, HeroX = 600;
        EmptyEnemyTable();
        EmptySpawnEntryTable();
        StageKills = 149;
        int32_t calls = 0;
        for (; LiveEnemies() == 0 && calls < 20000; ++calls) SpawnRandomEnemy();
        if (stage == 10) {
            EXPECT_EQ(LiveEnemies(), 0);  // elsewhere an empty list ends the random spawns
            continue;
        }
        ASSERT_EQ(LiveEnemies(), 1);
        EXPECT_EQ(EnemyKind[0], 11);  // rogue officers once the list is spent
        EXPECT_TRUE(EnemyX[0] == 640 || EnemyX[0] == -94) << "x " << EnemyX[0];

        EmptyEnemyTable();
        StageKills = 150;
        const int32_t state = RandomState();
        for (int32_t i = 0; i < 2000; ++i) SpawnRandomEnemy();
        EXPECT_EQ(RandomState(), state);  // not even a draw
        EXPECT_EQ(LiveEnemies(), 0);

        StageKills = 149;
        EnemyTick();
        EXPECT_EQ(HeroState, 0);
        StageKills = 150;
        PutEntry(7, 11, 5000, 120, 0);  // one still waiting
        EnemyTick();
        EXPECT_EQ(HeroState, 0);
        EmptySpawnEntryTable();
        QuietPool();
        EnemyTick();
        EXPECT_EQ(HeroState, 7);
        EXPECT_EQ(HeroAnimStep, 16);
        EXPECT_EQ(HeroX, stage == 8 ? 602 : 601);  // the lift's exit is made twice
        EXPECT_EQ(SfxPlaying(48), stage == 8);
    }
}

TEST_F(Spawning, AFullEnemyTableEmptiesATriggeredEntryWithoutCreatingAnEnemy) {
    for (int32_t slot = 0; slot < EnemySlots; ++slot) PutGunman(slot, 1000 + slot, 0, 0);
    PutEntry(5, 4, 300, 120, 0);
    const int32_t state = RandomState();
    UpdateSpawnList();
    EXPECT_EQ(SpawnEntryKind[5], -1);
    EXPECT_EQ(SpawnEntryX[5], -1);
    EXPECT_EQ(SpawnEntryY[5], -1);
    EXPECT_EQ(SpawnEntrySide[5], -1);
    for (int32_t slot = 0; slot < EnemySlots; ++slot) EXPECT_EQ(EnemyX[slot], 1000 + slot);
    EXPECT_EQ(RandomState(), state);
    EXPECT_EQ(PlayingSfx(), 1);  // the biker is still heard arriving
}

TEST_F(Spawning, TheGunmansLaneSearchStepsPastAPropInItsBox) {
    int32_t seed = 1, drift = 0, lane0 = 0;
    for (;; ++seed) {
        SeedRandom(seed);
        drift = RandomInt(0, 1);
        lane0 = RandomInt(-150, 80);
        if (lane0 <= 40) break;
    }
    // A prop whose band holds the first two tries (the caller's y 120 counts).
    PropFrame[7] = 2;
    PropX[7] = 310;
    PropY[7] = lane0 + 153;

    auto spawnAt = [&](int32_t kind, int32_t y) {
        EmptyEnemyTable();
        SeedRandom(seed);
        SpawnEnemy(kind, 300, y, 0);
        return EnemyLane[0];
    };
    EXPECT_EQ(spawnAt(1, 120), lane0 + 40);
    EXPECT_EQ(EnemyY[0], 240);
    EXPECT_EQ(EnemyDrift[0], drift);
    EXPECT_EQ(spawnAt(1, 240), lane0);  // the same prop, another caller's y
    EXPECT_EQ(spawnAt(6, 120), lane0);  // outside the chainsaw killer's box
    EXPECT_EQ(spawnAt(4, 120), lane0);  // bikers do not look
    PropFrame[7] = 1;                   // a broken glass pane never counts
    EXPECT_EQ(spawnAt(1, 120), lane0);
    PropFrame[7] = 2;
    CameraX = -366;  // screen x -56: off screen
    EXPECT_EQ(spawnAt(1, 120), lane0);
}

TEST_F(Spawning, TheCorpseRingOverwritesItsOldestAndCullsFarBehind) {
    PutGunman(24, 0, 10, 101);
    EnemyFrame[24] = 10;
    for (int32_t i = 0; i < 152; ++i) {
        EnemyX[24] = i;
        AddCorpse(24);
    }
    EXPECT_EQ(CorpseX[0], 151);
    EXPECT_EQ(CorpseX[1], 1);
    EXPECT_EQ(CorpseNext, 1);
    EXPECT_EQ(CorpseFrame[0], 58);  // slot 24 wears the third look
    EXPECT_EQ(CorpseY[0], 250);
    PutGunman(26, 0, 10, 101);
    EnemyFrame[26] = 10;
    AddCorpse(26);
    EXPECT_EQ(CorpseFrame[1], 10);

    HeroX = 1000;
    CullCorpses();
    for (int32_t i = 0; i < CorpseSlots; ++i) EXPECT_EQ(CorpseKind[i], -1);
    CorpseKind[5] = 1;
    CorpseX[5] = 200;
    CorpseKind[6] = 1;
    CorpseX[6] = 199;
    CullCorpses();
    EXPECT_EQ(CorpseKind[5], 1);
    EXPECT_EQ(CorpseKind[6], -1);

    // Enemies left 800 px behind go without a corpse or a kill; the KR770 stays.
    EmptyEnemyTable();
    PutGunman(0, 199, 0, 1);
    PutGunman(1, 200, 0, 1);
    EnemyKind[2] = 17;
    EnemyX[2] = 0;
    for (int32_t slot = 0; slot < 3; ++slot) DespawnEnemyBehind(slot);
    EXPECT_EQ(EnemyKind[0], -1);
    EXPECT_EQ(EnemyX[0], -1);
    EXPECT_EQ(EnemyShotCount[0], -1);
    EXPECT_EQ(EnemyFacing[0], 0);
    EXPECT_EQ(EnemyKind[1], 1);
    EXPECT_EQ(EnemyKind[2], 17);
    EXPECT_EQ(CorpseNext, 2);
    EXPECT_EQ(StageKills, 0);
}

TEST_F(Gunman, FiresABurstOfThreeOnTheRefireTicksThenPauses) {
    PutGunman(0, 600, 0, 6);
    EnemyFrame[0] = 15;  // standing, facing left
    PutGunman(2, 700, 0, 6);
    EnemyFrame[2] = 16;  // crouching; slot 2 wears the third look
    std::vector<int32_t> shots;
    for (int32_t t = 0; t <= 142; ++t) {
        const int32_t before = LiveBullets();
        EnemyTick();
        if (LiveBullets() != before) {
            EXPECT_EQ(LiveBullets(), before + 2);
            shots.push_back(t);
        }
    }
    // Refire ticks every 110 ms (ticks 10, 21, 32, ...): the latch runs 1, 2, -1, 0.
    EXPECT_EQ(shots, (std::vector<int32_t>{0, 32, 65}));
    EXPECT_EQ(EnemyShotCount[0], 10);
    EXPECT_EQ(EnemyState[0], 6);

    EXPECT_EQ(BulletX[0], 595);
    EXPECT_EQ(BulletY[0], 251);
    EXPECT_EQ(BulletKind[0], 0);
    EXPECT_EQ(BulletY[1], 275);
    EXPECT_EQ(BulletKind[1], 4);  // explosive rounds
    EXPECT_EQ(BulletLane[1], 115);
}

TEST_F(Gunman, TakesCoverOncePerPropInHisWindowAndTheLastPropThereDecidesTheDriftBlock) {
    // Props at x 400 hold him between x 355 and 430; his drawn height is 240.
    auto prop = [](int32_t slot, int32_t frame, int32_t y) { PropFrame[slot] = frame, PropX[slot] = 400, PropY[slot] = y; };
    HeroX = 100;
    prop(3, 2, 260), prop(7, 4, 253);  // both bands (PropY - 33 .. PropY - 13) hold 240
    PutGunman(0, 400, 0, 0);
    UpdateWalker(0);
    EXPECT_EQ(EnemyX[0], 404);  // pushed back 2 px by each
    EXPECT_EQ(EnemyState[0], 6);
    EXPECT_EQ(EnemyFrame[0], 15);
    HeroX = 600;
    PutGunman(0, 400, 0, 1);
    UpdateWalker(0);
    EXPECT_EQ(EnemyX[0], 396);
    EXPECT_EQ(EnemyState[0], 6);
    EXPECT_EQ(EnemyFrame[0], 4);

    HeroX = 100;
    prop(3, 1, 260), prop(7, 0, 253);  // frames 0 and 1 give no cover
    PutGunman(0, 400, 0, 0);
    UpdateWalker(0);
    EXPECT_EQ(EnemyX[0], 399);
    EXPECT_EQ(EnemyState[0], 0);

    // Out of cover, drifting down the screen (his feet 395 above the hero's
    // line 445): a band that holds 242 blocks the drift, one that does not
    // lets it go on; the later slot decides.
    HeroLane = 50;
    EnemyHalfStep = 1;
    for (const bool blockedLast : {true, false}) {
        prop(3, 2, blockedLast ? 300 : 275), prop(7, 2, blockedLast ? 275 : 300);
        PutGunman(0, 400, 0, 0);
        EnemyDrift[0] = 1;
        UpdateWalker(0);
        EXPECT_EQ(EnemyX[0], 399) << (blockedLast ? "blocked by slot 7" : "blocked by slot 3");
        EXPECT_EQ(EnemyLane[0], blockedLast ? 0 : 1) << (blockedLast ? "blocked by slot 7" : "blocked by slot 3");
    }
}

TEST_F(Gunman, DiesOnATimelineOfCallsAndLeavesACorpse) {
    HeroX = 300;
    PutGunman(4, 500, 20, 0);
    EnemyState[4] = 100;
    UpdateWalker(4);  // the kill call
    EXPECT_EQ(EnemiesKilled, 1);
    EXPECT_EQ(StageKills, 1);
    EXPECT_EQ(EnemyState[4], 101);
    EXPECT_EQ(EnemyFacing[4], 1);  // thrown away from the hero
    EXPECT_EQ(EnemyFrame[4], 17);

    int32_t landing = -1, shakeOff = -1, freed = -1, lowestY = 1000;
    for (int32_t call = 1; call <= 400 && freed < 0; ++call) {
        ScreenShake = 2;  // another shake running
        UpdateWalker(4);
        if (ScreenShake == 1 && landing < 0) landing = call;
        if (ScreenShake == 0 && shakeOff < 0) shakeOff = call;
        if (EnemyKind[4] == -1) freed = call;
        if (freed < 0 && EnemyY[4] < lowestY) lowestY = EnemyY[4];
    }
    EXPECT_EQ(landing, 59);
    EXPECT_EQ(shakeOff, 69);
    EXPECT_EQ(freed, 309);
    EXPECT_EQ(lowestY, 236);
    EXPECT_EQ(CorpseKind[0], 1);
    EXPECT_EQ(CorpseX[0], 654);
    EXPECT_EQ(CorpseY[0], 285);
    EXPECT_TRUE(CorpseFrame[0] == 24 + 20 || CorpseFrame[0] == 24 + 21) << "frame " << CorpseFrame[0];
}

}  // namespace
}  // namespace enemytest
