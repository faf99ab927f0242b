// Keys, joysticks and the three clocks of the headless backend: the virtual
// millisecond clock, paced presents and the tick timer.
#include <gtest/gtest.h>

#include "headless.h"

namespace {

TEST(Input, PressCountsHeldKeysAndFlush) {
    headless::Reset();
    headless::TapKey(90);
    headless::TapKey(90);
    EXPECT_EQ(KeyHitCount(90), 2);  // two presses: not "exactly one"
    EXPECT_EQ(KeyHitCount(90), 0);

    headless::SetKey(37, true);
    headless::SetKey(37, true);  // held, not pressed again (auto-repeat)
    EXPECT_EQ(IsKeyDown(37), 1);
    EXPECT_EQ(KeyHitCount(37), 1);
    headless::TapKey(27);
    headless::PostKey(90, true);  // still waiting to be taken in
    FlushKeyStates();
    SleepMillis(1);
    EXPECT_EQ(IsKeyDown(37), 0);
    EXPECT_EQ(KeyHitCount(27), 0);
    EXPECT_EQ(KeyHitCount(90), 0);

    // Out of range keys, buttons and ports read as not held.
    EXPECT_EQ(IsKeyDown(-1), 0);
    EXPECT_EQ(IsKeyDown(100000), 0);
    EXPECT_EQ(IsJoyButtonDown(40, 0), 0);
    EXPECT_EQ(IsJoyButtonDown(0, 16), 0);
    EXPECT_EQ(JoyAxisX(-3), 0.0f);
}

TEST(Input, JoysticksAndThePollHook) {
    headless::Reset();
    headless::SetJoystickCount(2);
    EXPECT_EQ(JoystickCount(), 2);
    headless::SetJoyButton(1, 8, true);
    EXPECT_EQ(IsJoyButtonDown(8, 1), 1);
    EXPECT_EQ(IsJoyButtonDown(8, 0), 0);
    EXPECT_EQ(JoyButtonHitCount(8, 1), 1);
    headless::SetJoyAxes(1, -1.5f, 0.25f);
    EXPECT_EQ(JoyAxisX(1), -1.0f);
    EXPECT_EQ(JoyAxisY(1), 0.25f);

    // A loop that only polls sees a key released by the script.
    headless::SetKey(80, true);
    int polls = 0;
    headless::SetPollHook([&] {
        if (++polls == 5) headless::SetKey(80, false);
    });
    while (IsKeyDown(80)) {
    }
    EXPECT_EQ(polls, 5);
}

TEST(Time, SleepPresentAndTicksOnTheVirtualClock) {
    headless::Reset(5000);
    EXPECT_EQ(ElapsedMillis(), 5000);
    SleepMillis(-5);
    EXPECT_EQ(ElapsedMillis(), 5000);
    SleepMillis(7);
    EXPECT_EQ(ElapsedMillis(), 5007);

    PresentFrame(-1);
    int32_t first = ElapsedMillis();
    PresentFrame(-1);
    EXPECT_EQ(ElapsedMillis() - first, 10);
    SleepMillis(4);
    PresentFrame(-1);  // the remainder carries: due 10 ms after the last one
    EXPECT_EQ(ElapsedMillis() - first, 20);
    SleepMillis(13);  // late by 3: presents at once, the schedule holds
    PresentFrame(-1);
    EXPECT_EQ(ElapsedMillis() - first, 33);
    PresentFrame(-1);
    EXPECT_EQ(ElapsedMillis() - first, 40);
    int32_t before = ElapsedMillis();
    PresentFrame(0);
    EXPECT_EQ(ElapsedMillis(), before);

    int32_t timer = CreateTickTimer(100);
    EXPECT_EQ(WaitTick(timer), 1);
    EXPECT_EQ(ElapsedMillis() - before, 10);
    SleepMillis(50);
    EXPECT_EQ(WaitTick(timer), 5);
    SleepMillis(3);
    EXPECT_EQ(WaitTick(timer), 1);  // waits for the next tick, 7 ms on
    headless::SetTicksPerWait(3);
    EXPECT_EQ(WaitTick(timer), 3);
    StopTickTimer(timer);
    EXPECT_EQ(WaitTick(timer), 0);
}

TEST(Time, ElapsedTimeIsWrapSafe) {
    headless::Reset(0x7FFFFFF0);  // just before 2^31
    int32_t then = ElapsedMillis();
    SleepMillis(40);
    EXPECT_LT(ElapsedMillis(), then);  // the raw reading went negative
    EXPECT_EQ(MillisSince(then), 40);
    headless::SetClock(-10);  // 0xFFFFFFF6: just before the 32-bit wrap
    then = ElapsedMillis();
    SleepMillis(25);
    EXPECT_EQ(MillisSince(then), 25);
    EXPECT_EQ(MillisBetween(then, ElapsedMillis()), 25);

    // A tick timer created just before the wrap keeps counting across it.
    headless::SetClock(-25);
    int32_t timer = CreateTickTimer(100);
    SleepMillis(60);
    EXPECT_EQ(WaitTick(timer), 6);
}

TEST(Program, ExitAndQuestionsAreScripted) {
    headless::Reset();
    headless::SetYesNoCancelAnswers({1, 0});
    EXPECT_EQ(AskYesNoCancel("Full screen?", 0), 1);
    EXPECT_EQ(AskYesNoCancel("32 Bit colour depth?", 0), 0);
    EXPECT_EQ(AskYesNoCancel("again?", 0), -1);
    EXPECT_EQ(headless::AskedQuestions().size(), 3u);
    try {
        ExitProgram();
        FAIL();
    } catch (const headless::MediaExit& e) {
        EXPECT_EQ(e.status, 0);
    }
}

}  // namespace
