// Stage clock, animation cycles, parallax and the lift backdrop.
#include "play/stage_clock.h"

#include "media.h"
#include "shell/assets.h"
#include "shell/records.h"

int32_t ParallaxTick = 0;
int32_t ParallaxTickD = 0;
int32_t ElevatorTime = 0;

void UpdateStageTimer() {
    ++TimerTick;
    if (TimerTick > 150) {
        TimerTick = 0;
        if (TimeLeft > 0 && SlowMotion == 0) --TimeLeft;
        // The beep goes out on a fresh channel of its own, not through the
        // effect pool: neither the pause nor the closing fade reaches it.
        if (TimeLeft >= 1 && TimeLeft <= 10 && SlowMotion == 0) {
            BeepChannel = PlaySoundOn(CompBeepSound, 0);
        }
    }
    ++SlowMotionTick;
    if (SlowMotionTick > SlowMotion) SlowMotionTick = 0;
}

void TickAnimCycle8() {
    ++Cycle8Tick;
    if (Cycle8Tick > 20) {
        Cycle8Tick = 0;
        ++Cycle8;
    }
    if (Cycle8 > 7) Cycle8 = 0;
    if (Cycle8Tick == 0 || Cycle8Tick == 7 || Cycle8Tick == 14) ++RedLightFrame;
}

void TickAnimCycles() {
    const int32_t period = SlowMotion == 4 ? 20 : 1;
    ++CycleTick;
    if (CycleTick > period) {
        CycleTick = 0;
        ++Cycle26;
    }
    if (Cycle26 > 25) Cycle26 = 0;
}

void ScrollParallax(int32_t dir, int32_t n) {
    ++ParallaxTick;
    if (ParallaxTick > n) ParallaxTick = 0;
    ++ParallaxTickD;
    if (ParallaxTickD > 2) ParallaxTickD = 0;

    // The layers drift on their own.
    if (ParallaxTick == 1) {
        ParallaxA -= 1;
        ParallaxB -= 2;
        ParallaxC -= 3;
    }
    if (ParallaxA <= -640) ParallaxA = 0;
    if (ParallaxB <= -640) ParallaxB = 0;
    if (ParallaxC <= -640) ParallaxC = 0;

    if (dir == 2) {
        if (ParallaxTickD == 1) ParallaxD -= 1;
        if (ParallaxD <= -640) ParallaxD = 0;
        ParallaxF -= 1.3f;
    }
    if (dir == 1) {
        if (ParallaxTick == 1) {
            ParallaxA += 2;
            ParallaxB += 4;
            ParallaxC += 6;
        }
        if (ParallaxA >= 640) ParallaxA = 0;
        if (ParallaxB >= 640) ParallaxB = 0;
        if (ParallaxC >= 640) ParallaxC = 0;
        if (ParallaxTickD == 1) ParallaxD += 1;
        if (ParallaxD >= 0) ParallaxD = -640;
        ParallaxF += 1.3f;
    }
}

void UpdateElevatorBackdrop() {
    if (MillisSince(ElevatorTime) > 4 && HeroState != 7) {
        ElevatorTime = ElapsedMillis();
        if (StageNumber == 8) {
            ElevatorShaft += 1;
            ElevatorObjectY += 2;
        }
    }
    if (StageNumber == 8) {
        if (ElevatorShaft > 592) ElevatorShaft = 1;
        if (ElevatorObjectY > 640) ElevatorObjectY = -250;
    }
}
