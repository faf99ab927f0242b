// The in-stage loop: ticks and drawing per pass, the frames-per-second
// window, the section reset, the pause, Escape, results set mid-pass and the
// demo's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "draw/hud.h"
#include "draw/rain.h"
#include "headless.h"
#include "media.h"
#include "play/props.h"
#include "play/stage_data.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/records.h"

using namespace playtest;

namespace {

constexpr int32_t Escape = 27;
constexpr int32_t KeyP = 80;
constexpr int32_t KeyZ = 90;

template <size_t N>
void Fill(int32_t (&field)[N], int32_t value) {
    std::fill(field, field + N, value);
}

// "" when every entry of a table field holds `value`, else the first entry that does not.
template <size_t N>
std::string FirstOther(const int32_t (&field)[N], int32_t value) {
    for (size_t i = 0; i < N; ++i) {
        if (field[i] != value) return "slot " + std::to_string(i) + " holds " + std::to_string(field[i]);
    }
    return "";
}

// Leaves every table and the per-section values in a state no section starts from.
void LitterEverything() {
    for (auto* field : {EnemyKind, EnemyX, EnemyY, EnemyLane, EnemyDrift, EnemyState, EnemyFacing, EnemyFrame,
                        EnemyHealth, EnemyShotCount, EnemyShotLatch}) {
        std::fill(field, field + EnemySlots, 777);
    }
    for (auto* field : {BulletActive, BulletOwner, BulletX, BulletY, BulletLane, BulletKind, BulletDir}) {
        std::fill(field, field + BulletSlots, 777);
    }
    Fill(BombX, 777); Fill(BombY, 777); Fill(BombState, 777);
    for (auto* field : {ShellCasingX, ShellCasingY, ShellCasingSpin, ShellCasingKind, ShellCasingSide,
                        ShellCasingFloorY}) {
        std::fill(field, field + ShellCasingSlots, 777);
    }
    Fill(PickupKind, 777); Fill(PickupX, 777); Fill(PickupY, 777);
    Fill(PropFrame, 777); Fill(PropX, 777); Fill(PropY, 777);
    Fill(ExplosionX, 777); Fill(ExplosionY, 777); Fill(ExplosionFrame, 777); Fill(ExplosionKind, 777);
    for (auto* field : {BloodDropX, BloodDropY, BloodDropAge, BloodDropDrift, BloodDropFloorY}) {
        std::fill(field, field + BloodDropSlots, 777);
    }
    Fill(SpawnEntryKind, 777); Fill(SpawnEntryX, 777); Fill(SpawnEntryY, 777); Fill(SpawnEntrySide, 777);
    Fill(CorpseKind, 777); Fill(CorpseX, 777); Fill(CorpseY, 777); Fill(CorpseFrame, 777);
    Fill(DebrisX, 777); Fill(DebrisY, 777); Fill(DebrisFrame, 777);
    CorpseNext = 77;
    HitFlashX = HitFlashY = HitFlashFrame = HitFlashKind = 7;
    HelmetState = HelmetX = HelmetY = HelmetFloorY = HelmetFrame = HelmetTick = 7;
    CameraX = -300; ScrollColumn = 7; ScrollSub = 7; ScrollLock = 1; ScreenShake = 3;
    SlowMotion = 4; SlowMotionTick = 2; SlowCharge = 30; TimerTick = 99; TimeLeft = 3;
    ElevatorShaft = 300; ElevatorObjectY = 100; StageKills = 9; HeroEnergy = 12;
    ParallaxA = ParallaxB = ParallaxC = 33; ParallaxD = -33; ParallaxF = 12.5f; ParallaxDiv = 1; ParallaxDir = 2;
    RainDensity = 25; GoArrowTimer = 9; StageTitleState = 0; PropBurnTick = 9; EnemyAnimDivider = 9;
}

struct ListCounts {
    int32_t stage;
    int32_t spawns;
    int32_t props;
};
constexpr ListCounts Lists[] = {{1, 100, 33}, {2, 100, 42}, {3, 1, 2},   {4, 66, 8},  {5, 100, 10},
                                {6, 100, 19}, {7, 100, 10}, {8, 1, 6},   {9, 2, 20},  {10, 100, 22},
                                {11, 1, 6},   {16, 0, 21},  {21, 2, 4}};

int32_t Live(const int32_t* field, int32_t slots) {
    return static_cast<int32_t>(std::count_if(field, field + slots, [](int32_t v) { return v != -1; }));
}

// Every table as the section start leaves it, with the lists of `stage`.
void ExpectSectionStartTables(const ListCounts& list) {
    SCOPED_TRACE("stage " + std::to_string(list.stage));
    EXPECT_EQ(FirstOther(EnemyKind, -1), "");
    EXPECT_EQ(FirstOther(EnemyX, -1), "");
    EXPECT_EQ(FirstOther(EnemyY, -1), "");
    EXPECT_EQ(FirstOther(EnemyLane, -1), "");
    EXPECT_EQ(FirstOther(EnemyDrift, -1), "");
    EXPECT_EQ(FirstOther(EnemyState, -1), "");
    EXPECT_EQ(FirstOther(EnemyFacing, 0), "");
    EXPECT_EQ(FirstOther(EnemyFrame, -1), "");
    EXPECT_EQ(FirstOther(EnemyHealth, -1), "");
    EXPECT_EQ(FirstOther(EnemyShotCount, -1), "");
    EXPECT_EQ(FirstOther(EnemyShotLatch, -1), "");
    EXPECT_EQ(FirstOther(BulletActive, 0), "");
    EXPECT_EQ(FirstOther(BulletOwner, 0), "");
    EXPECT_EQ(FirstOther(BulletX, 0), "");
    EXPECT_EQ(FirstOther(BulletY, 0), "");
    EXPECT_EQ(FirstOther(BulletLane, 0), "");
    EXPECT_EQ(FirstOther(BulletKind, 0), "");
    EXPECT_EQ(FirstOther(BulletDir, 0), "");
    EXPECT_EQ(FirstOther(BombX, 0), "");
    EXPECT_EQ(FirstOther(BombY, -100), "");
    EXPECT_EQ(FirstOther(BombState, 0), "");
    EXPECT_EQ(FirstOther(ShellCasingX, -1), "");
    EXPECT_EQ(FirstOther(ShellCasingY, -1), "");
    EXPECT_EQ(FirstOther(ShellCasingSpin, -1), "");
    EXPECT_EQ(FirstOther(ShellCasingKind, -1), "");
    EXPECT_EQ(FirstOther(ShellCasingSide, -1), "");
    EXPECT_EQ(FirstOther(ShellCasingFloorY, -1), "");
    EXPECT_EQ(FirstOther(PickupKind, -1), "");
    EXPECT_EQ(FirstOther(PickupX, -100), "");
    EXPECT_EQ(FirstOther(PickupY, -100), "");
    EXPECT_EQ(FirstOther(ExplosionX, 0), "");
    EXPECT_EQ(FirstOther(ExplosionY, 0), "");
    EXPECT_EQ(FirstOther(ExplosionFrame, -1), "");
    EXPECT_EQ(FirstOther(ExplosionKind, 0), "");
    EXPECT_EQ(FirstOther(BloodDropAge, -1), "");
    EXPECT_EQ(FirstOther(BloodDropX, 0), "");
    EXPECT_EQ(FirstOther(BloodDropY, 0), "");
    EXPECT_EQ(FirstOther(BloodDropDrift, 0), "");
    EXPECT_EQ(FirstOther(BloodDropFloorY, 0), "");
    EXPECT_EQ(FirstOther(CorpseKind, -1), "");
    EXPECT_EQ(FirstOther(CorpseX, -1), "");
    EXPECT_EQ(FirstOther(CorpseY, -1), "");
    EXPECT_EQ(FirstOther(CorpseFrame, -1), "");
    EXPECT_EQ(CorpseNext, 0);
    EXPECT_EQ(FirstOther(DebrisX, -60), "");
    EXPECT_EQ(FirstOther(DebrisY, -85), "");
    EXPECT_EQ(FirstOther(DebrisFrame, -1), "");
    EXPECT_EQ(Live(SpawnEntryKind, SpawnEntrySlots), list.spawns);
    EXPECT_EQ(Live(PropFrame, PropSlots), list.props);
    for (int32_t slot = list.props; slot < PropSlots; ++slot) {
        EXPECT_EQ(PropX[slot], -100);
        EXPECT_EQ(PropY[slot], -100);
    }
    EXPECT_EQ(HitFlashX, -50);
    EXPECT_EQ(HitFlashY, -50);
    EXPECT_EQ(HitFlashFrame, 0);
    EXPECT_EQ(HitFlashKind, 0);
    EXPECT_EQ(HelmetState, 0);
    EXPECT_EQ(HelmetX, 0);
    EXPECT_EQ(HelmetY, 0);
    EXPECT_EQ(HelmetFloorY, 0);
    EXPECT_EQ(HelmetFrame, 0);
    EXPECT_EQ(HelmetTick, 0);
    EXPECT_EQ(CameraX, 0);
    EXPECT_EQ(ScrollColumn, 0);
    EXPECT_EQ(ScrollSub, 0);
    EXPECT_EQ(ScrollLock, 0);
    EXPECT_EQ(ScreenShake, 0);
    EXPECT_EQ(SlowMotion, 0);
    EXPECT_EQ(SlowMotionTick, 0);
    EXPECT_EQ(SlowCharge, 30);  // the gauge carries over
    EXPECT_EQ(TimerTick, 0);
    EXPECT_EQ(StageKills, 0);
    EXPECT_EQ(HeroEnergy, 100);
    EXPECT_EQ(ElevatorShaft, 0);
    EXPECT_EQ(ElevatorObjectY, -250);
    EXPECT_EQ(ParallaxA, 0);
    EXPECT_EQ(ParallaxB, 0);
    EXPECT_EQ(ParallaxC, 0);
    EXPECT_EQ(ParallaxD, 0);
    EXPECT_EQ(ParallaxF, 0.0f);
    EXPECT_EQ(ParallaxDir, 0);
    EXPECT_EQ(ParallaxDiv, 5);
    EXPECT_EQ(RainDensity, list.stage == 5 ? 400 : 999);
    EXPECT_EQ(GoArrowTimer, 0);
    EXPECT_EQ(StageTitleState, 2);
    EXPECT_EQ(PropBurnTick, 0);
    EXPECT_EQ(EnemyAnimDivider, 0);
    EXPECT_EQ(StageResult, 0);
}

}  // namespace

TEST(StageLoop, APassAfterAStallRunsEveryDueTickAndDrawsOnce) {
    NewGame(6);
    std::vector<int32_t> ticks, clears, presents;  // per pass; ticks counted by the stage clock
    int32_t timerBefore = 0, clearsBefore = 0, presentsBefore = 0;
    const int32_t result = RunSection([&](int32_t point, int32_t pass) {
        if (point == StagePassStart) {
            if (pass == 3) headless::AdvanceClock(50);  // a 50 ms stall
            if (pass == 4) headless::AdvanceClock(1234);
            if (pass == 5) headless::TapKey(Escape);
            timerBefore = TimerTick;
            clearsBefore = CountClears();
            presentsBefore = CountPresents(0);
        } else if (point == StagePassEnd) {
            ticks.push_back(TimerTick - timerBefore);
            clears.push_back(CountClears() - clearsBefore);
            presents.push_back(CountPresents(0) - presentsBefore);
        }
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ((std::vector<int32_t>{1, 1, 5, 123, 1}), ticks);
    EXPECT_EQ((std::vector<int32_t>{1, 1, 1, 1, 1}), clears);
    EXPECT_EQ((std::vector<int32_t>{1, 1, 1, 1, 1}), presents);
}

TEST(StageLoop, TheFramesPerSecondFigureIsRecountedAfterAtLeast1001Ms) {
    NewGame(4);
    std::vector<std::string> texts;
    RunSection([&](int32_t point, int32_t pass) {
        if (point == StagePassEnd) texts.push_back(FpsText);
        if (point == StagePassStart && pass == 102) headless::TapKey(Escape);
    });
    ASSERT_EQ(texts.size(), 102u);
    // One tick (10 ms) a pass: pass 101 is the first 1010 ms after the start,
    // and the 100 passes before it were counted.
    EXPECT_EQ(texts[0], "FPS 0");
    EXPECT_EQ(texts[99], "FPS 0");
    EXPECT_EQ(texts[100], "FPS 100");
    EXPECT_EQ(texts[101], "FPS 100");
}

TEST(StageLoop, EverySectionStartsFromItsResetValuesWhateverThePreviousLeft) {
    NewGame(6);
    for (const ListCounts& list : Lists) {
        StageNumber = list.stage;
        LitterEverything();
        HeroLane = 55;
        bool checked = false;
        // The first input poll of the section (its key flush) comes after the
        // reset and the loaders, before anything has moved.
        headless::SetPollHook([&] {
            if (checked) return;
            checked = true;
            ExpectSectionStartTables(list);
        });
        int32_t lane = 0, clock = 0, length = 0;
        RunSection([&](int32_t point, int32_t pass) {
            if (point == StagePassStart && pass == 1) {
                lane = HeroLane;
                clock = TimeLeft;
                length = StageLength;
                headless::TapKey(Escape);
            }
        });
        headless::SetPollHook(nullptr);
        EXPECT_TRUE(checked);
        const SectionStart* start = FindSectionStart(list.stage);
        ASSERT_NE(start, nullptr);
        const bool kept = list.stage == 3 || list.stage == 4 || list.stage == 8 || list.stage == 11 ||
                          list.stage == 16 || list.stage == 21;
        EXPECT_EQ(lane, kept ? 55 : start->heroLane) << "stage " << list.stage;
        EXPECT_EQ(clock, list.stage == 16 ? 20 : 99) << "stage " << list.stage;
        EXPECT_EQ(length, start->stageLength) << "stage " << list.stage;
    }
}

TEST(StageLoop, ThePauseNeedsTheKeyReleasedAndItsTimeIsNotSimulated) {
    NewGame(6);
    int32_t phase = 0;  // 1 held, 2 released, 3 pressed again, 4 released again
    int32_t polls = 0;
    int32_t heldPresents = -1, timerAtPause = -1, timeAtPause = -1, pausePasses = 0;
    int32_t pauseDraws = 0;
    headless::SetPollHook([&] {
        if (phase == 0) return;
        ++polls;
        if (phase == 1 && polls == 50) {
            // Held: the frozen frame was presented at once, nothing drawn since.
            heldPresents = CountPresents(-1);
            headless::AdvanceClock(5000);
            headless::SetKey(KeyP, false);
            phase = 2;
        } else if (phase == 2 && CountPresents(-1) >= heldPresents + 5) {
            headless::SetKey(KeyP, true);
            phase = 3;
            polls = 0;
        } else if (phase == 3 && polls == 50) {
            headless::SetKey(KeyP, false);
            phase = 4;
        }
    });
    std::vector<int32_t> ticksAfter;
    int32_t timerBefore = 0;
    RunSection([&](int32_t point, int32_t pass) {
        if (point == StagePassStart) {
            timerBefore = TimerTick;
            if (pass == 5) {
                headless::SetKey(KeyP, true);
                headless::ClearDrawCalls();
            }
            if (pass == 8) headless::TapKey(Escape);
        } else if (point == StageAfterDraw && pass == 5) {
            timerAtPause = TimerTick;
            timeAtPause = TimeLeft;
            phase = 1;  // polls from here on are the pause test's and the pause screen's
        } else if (point == StagePassEnd) {
            if (pass == 5) {
                EXPECT_EQ(phase, 4);  // the pass went on only once the key was let go again
                for (const headless::DrawCall& c : headless::DrawCalls()) {
                    if (c.op == headless::Op::Draw && c.image == PauseScreenImage) ++pauseDraws;
                }
                ++pausePasses;
            }
            if (pass > 5) ticksAfter.push_back(TimerTick - timerBefore);
        }
    });
    headless::SetPollHook(nullptr);
    EXPECT_EQ(heldPresents, 0);
    EXPECT_GE(pauseDraws, 5);
    EXPECT_EQ(CountGrabs(PauseScreenImage), 1);
    EXPECT_EQ(pausePasses, 1);
    // After several seconds paused the next pass runs one tick, as before.
    EXPECT_EQ((std::vector<int32_t>{1, 1, 1}), ticksAfter);
    EXPECT_EQ(TimeLeft, timeAtPause);
    EXPECT_EQ(TimerTick, timerAtPause + 3);
}

TEST(StageLoop, EscapeEndsThePauseWithoutAbandoningTheSection) {
    NewGame(6);
    int32_t phase = 0;
    int32_t polls = 0;
    headless::SetPollHook([&] {
        if (phase == 1 && ++polls == 20) {
            headless::SetKey(KeyP, false);
            phase = 2;
        } else if (phase == 2 && CountPresents(-1) >= 3) {
            headless::TapKey(Escape);
            phase = 3;
        }
    });
    int32_t lastPass = 0;
    const int32_t result = RunSection([&](int32_t point, int32_t pass) {
        lastPass = pass;
        if (point == StagePassStart && pass == 2) {
            headless::ClearDrawCalls();
            headless::SetKey(KeyP, true);
        }
        if (point == StageAfterDraw && pass == 2) phase = 1;
        if (point == StagePassEnd && pass == 2) {
            EXPECT_EQ(StageResult, 0);
        }
        if (point == StagePassStart && pass == 6) headless::TapKey(Escape);
    });
    headless::SetPollHook(nullptr);
    EXPECT_EQ(phase, 3);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(lastPass, 6);
}

TEST(StageLoop, EscapeIsIgnoredWhileTheHeroIsDyingAndThePressIsNotKept) {
    NewGame(6);
    std::vector<int32_t> results;
    const int32_t result = RunSection([&](int32_t point, int32_t pass) {
        if (point == StageAfterDraw && pass == 3) {
            HeroState = 9;
            headless::TapKey(Escape);
        }
        if (point == StageAfterDraw && pass == 5) {
            // Two presses in one pass count 2, not exactly 1.
            headless::TapKey(Escape);
            headless::TapKey(Escape);
        }
        if (point == StagePassEnd) {
            results.push_back(StageResult);
            if (pass == 3) HeroState = 0;
        }
        if (point == StagePassStart && pass == 7) headless::TapKey(Escape);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ((std::vector<int32_t>{0, 0, 0, 0, 0, 0, 1}), results);
}

TEST(StageLoop, AResultSetDuringTheFrameDrawEndsTheLoopOnTheSamePass) {
    NewGame(16);
    int32_t lastPass = 0;
    const int32_t result = RunSection([&](int32_t point, int32_t pass) {
        lastPass = pass;
        if (point == StagePassStart && pass == 4) headless::ClearDrawCalls();
        if (point == StageAfterDraw && pass == 4) StageResult = 3;
    });
    EXPECT_EQ(result, 3);
    EXPECT_EQ(lastPass, 4);
    // The last picture was kept for the closing fade.
    EXPECT_EQ(CountGrabs(FadeScreenImage), 1);
}

TEST(StageLoop, TheDemoIgnoresThePauseEndsOnZAndWalksOffAfter2000Passes) {
    NewGame(6);
    DemoMode = 1;
    ControlDevice = 3;
    DemoTick = 0;
    Lives = 3;
    bool sawExit = false;
    std::vector<int32_t> demoTicks;
    const int32_t result = RunSection([&](int32_t point, int32_t pass) {
        if (point == StagePassStart && pass == 1) {
            EXPECT_EQ(Lives, 2);
            EXPECT_EQ(HeroWeapon, 2);
            EXPECT_EQ(AmmoWeapon2, 1);
            headless::ClearDrawCalls();
            headless::SetKey(KeyP, true);
        }
        if (point == StagePassStart && pass == 4) {
            headless::SetKey(KeyP, false);
            DemoTick = 2000;
        }
        if (point == StagePassEnd) {
            demoTicks.push_back(DemoTick);
            if (pass == 4) sawExit = HeroState == 7;
        }
        if (point == StagePassStart && pass == 6) headless::SetKey(KeyZ, true);
    });
    headless::SetKey(KeyZ, false);
    DemoMode = 0;
    ControlDevice = 0;
    EXPECT_EQ(result, 1);
    EXPECT_EQ(CountGrabs(PauseScreenImage), 0);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3, 2001, 2002, 2003}), demoTicks);
    EXPECT_TRUE(sawExit);
}

TEST(StageLoop, TheDemoHeroFiresHisOneShotOfWeapon2AndNoOtherBeforeTheRandomFire) {
    NewGame(6);
    DemoMode = 1;
    ControlDevice = 3;
    DemoTick = 0;
    int32_t shotAt = -1, piercing = 0;
    RunSection([&](int32_t point, int32_t) {
        if (point != StagePassEnd) return;
        if (BulletsFired > 0 && shotAt < 0) {
            shotAt = DemoTick;
            for (int32_t b = 0; b < BulletSlots; ++b) piercing += BulletActive[b] == 1 && BulletKind[b] == 1;
        }
        if (DemoTick == 610) StageResult = 1;  // the random fire starts on the next pass
    });
    DemoMode = 0;
    ControlDevice = 0;
    EXPECT_EQ(BulletsFired, 1);
    EXPECT_GE(shotAt, 241);
    EXPECT_LE(shotAt, 310);
    EXPECT_EQ(piercing, 1);
    EXPECT_EQ(AmmoWeapon2, 0);
    EXPECT_EQ(HeroWeapon, 0);
}
