// A soak: every section played by random input from a fixed seed, on the
// keyboard and on the joystick, taking 1 to 5 ticks per pass, with pauses
// and function keys thrown in. It asserts little itself; its worth is in the
// sanitizer build, where any fault of memory or undefined behaviour stops it.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "headless.h"
#include "media.h"
#include "play/stage_loop.h"
#include "play_fixture.h"
#include "shell/keys.h"
#include "shell/main_flow.h"
#include "shell/records.h"

using namespace playtest;

namespace {

// Ticks each section is played for, per control device, over as many games
// as that takes: 13 sections x 2 devices x 8000 = 208,000 ticks.
constexpr int64_t TicksPerRun = 8000;

class Soak {
public:
    explicit Soak(uint32_t seed) : rng_(seed) {}

    // Plays section `stage` with `device` until its ticks are spent; returns
    // how many games that took, or 0 when a section returned no result.
    int32_t Play(int32_t stage, int32_t device) {
        const int64_t start = headless::TicksGiven();
        int32_t games = 0;
        while (headless::TicksGiven() - start < TicksPerRun) {
            NewGame(stage);
            headless::SetRecordDrawing(false);
            ControlDevice = device;
            device_ = device;
            headless::SetPollHook([this] { OnPoll(); });
            const int32_t result = RunSection([&](int32_t point, int32_t) {
                if (point == StagePassStart) OnPassStart();
                if (point == StageAfterDraw) pollsAfterDraw_ = 0;
                if (point == StagePassEnd) {
                    pollsAfterDraw_ = -1;
                    // Spent: leave the section as Escape would.
                    if (headless::TicksGiven() - start >= TicksPerRun && StageResult == 0) StageResult = 1;
                }
            });
            headless::SetPollHook(nullptr);
            ReleaseAll();
            if (result < 1 || result > 3) return 0;
            ++games;
        }
        return games;
    }

private:
    bool Chance(uint32_t oneIn) { return rng_() % oneIn == 0; }

    void OnPassStart() {
        headless::SetTicksPerWait(static_cast<int32_t>(1 + rng_() % 5));
        if (device_ == 0) {
            for (int32_t i : {KeyUp, KeyDown, KeyLeft, KeyRight, KeyFire, KeyJump, KeyDuck}) {
                if (Chance(6)) headless::SetKey(KeyCodes[i], Chance(2));
            }
        } else {
            if (Chance(6)) {
                const float x = static_cast<float>(static_cast<int32_t>(rng_() % 3) - 1);
                const float y = static_cast<float>(static_cast<int32_t>(rng_() % 3) - 1);
                headless::SetJoyAxes(JoyPort, x, y);
            }
            for (int32_t i : {JoyFire, JoyJump, JoyDuck}) {
                if (Chance(6)) headless::SetJoyButton(JoyPort, JoyButtons[i], Chance(2));
            }
        }
        // Now and then a function key, or the pause.
        if (Chance(200)) headless::TapKey(VkF1 + static_cast<int32_t>(rng_() % 6));
        pauseDown_ = Chance(400);
        headless::SetKey(KeyCodes[KeyPause], pauseDown_);
    }

    // After the frame draw the loop asks three times (pause key, pause
    // button, Escape); any poll past those is the pause screen's, which the
    // pause key, pressed and let go at random, ends.
    void OnPoll() {
        if (pollsAfterDraw_ < 0 || ++pollsAfterDraw_ <= 3) return;
        if (!Chance(8)) return;
        pauseDown_ = !pauseDown_;
        headless::SetKey(KeyCodes[KeyPause], pauseDown_);
    }

    void ReleaseAll() {
        for (int32_t i = 0; i < KeyCodeCount; ++i) headless::SetKey(KeyCodes[i], false);
        headless::SetJoyAxes(JoyPort, 0.0f, 0.0f);
        for (int32_t button = 0; button < 12; ++button) headless::SetJoyButton(JoyPort, button, false);
        pauseDown_ = false;
    }

    std::mt19937 rng_;
    int32_t device_ = 0;
    int32_t pollsAfterDraw_ = -1;
    bool pauseDown_ = false;
};

TEST(Soak, RandomInputOverEverySectionOnBothDevices) {
    StartGameOnce();
    Soak soak(20240611);
    const int64_t before = headless::TicksGiven();
    for (const ChainStep& step : StageChain) {
        for (int32_t device : {0, 1}) {
            EXPECT_GT(soak.Play(step.stageNumber, device), 0) << "section " << step.stageNumber << " device " << device;
        }
    }
    const int64_t ticks = headless::TicksGiven() - before;
    std::printf("soak: %lld ticks over %d sections on both devices\n", static_cast<long long>(ticks), ChainLength);
    EXPECT_GE(ticks, 13 * 2 * TicksPerRun);
}

}  // namespace
