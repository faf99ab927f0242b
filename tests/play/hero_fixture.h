// A street for the hero tests: the game started on the headless backend, a
// new game, the hero standing in the open on section 6, and a tick that runs
// the hero's part of the tick update in its order.
#pragma once

#include <gtest/gtest.h>

#include "headless.h"
#include "media.h"
#include "play/hero_control.h"
#include "play/hero_hits.h"
#include "play/hero_state.h"
#include "play/input.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/records.h"

namespace herotest {

constexpr int32_t Left = 37, Up = 38, Right = 39, Down = 40, Fire = 90, Jump = 67, Duck = 88;

// Input, control, state and torso frame, the pacing values that the enemy
// pass and the stage clock advance, and the helmet, in tick order.
inline void Tick(int32_t ms = 10) {
    headless::AdvanceClock(ms);
    ReadInput();
    UpdateHeroControl();
    UpdateHeroState();
    UpdateHeroFrame();
    EnemyHalfStep = EnemyHalfStep == 1 ? 0 : 1;
    UpdateFlyingHelmet();
    SlowMotionTick = SlowMotionTick >= SlowMotion ? 0 : SlowMotionTick + 1;
}
inline void Ticks(int32_t n) { for (int32_t i = 0; i < n; ++i) Tick(); }
inline int32_t ScreenX() { return HeroX + CameraX; }

class HeroScene : public ::testing::Test {
protected:
    void SetUp() override {
        playtest::NewGame(6);
        EmptyActorTables();
        StageLength = 4480;
        StageResult = CameraX = ScrollColumn = ScrollSub = ScrollLock = 0;
        TimeLeft = 99;
        SlowMotion = SlowMotionTick = EnemyHalfStep = ScreenShake = BacktrackBudget = HeroWalkBobDown = 0;
        HeroWalkTick = 7;
        HeroX = 200, HeroFootY = 278, HeroLane = 0, HeroFacing = 1, HeroWalkStep = 5;
        HeroState = HeroStateSaved = HeroPose = HeroTorsoFrame = HeroJumpPhase = HeroJumpTick = HeroAnimStep = 0;
        HeroAnimTime = LastShotTime = ElapsedMillis();
        HeroEnergy = 100;
        HelmetState = HelmetX = HelmetY = HelmetFloorY = HelmetFrame = HelmetTick = 0;
        ControlDevice = InputDir = FireHeld = FireHit = JumpHit = 0;
    }
    void TearDown() override { FlushKeyStates(); }
};

}  // namespace herotest
