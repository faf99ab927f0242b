// Ticks per second of UpdateStageTick and frames per second of DrawFrame on
// the headless backend, measured inside running sections (after 300 passes,
// with whatever the section has brought on by then).
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "draw/frame.h"
#include "game_start.h"
#include "headless.h"
#include "media.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "play/tick.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int32_t WarmUpPasses = 300;
constexpr int32_t Ticks = 20000;
constexpr int32_t Frames = 5000;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void StartUp() {
    std::filesystem::current_path(std::filesystem::path(PLAY_BENCH_DATA_DIR).parent_path());
    headless::Reset(1000);
    headless::SetRecordDrawing(false);
    StartUpForSection();
}

int32_t benchStage = 0;

void Measure(int32_t point, int32_t pass) {
    if (point != StagePassEnd || pass != WarmUpPasses) return;
    // Ten virtual milliseconds per tick, as the timer would give them.
    Clock::time_point start = Clock::now();
    for (int32_t i = 0; i < Ticks; ++i) {
        headless::AdvanceClock(10);
        UpdateStageTick();
    }
    const double tickSeconds = Seconds(start);

    start = Clock::now();
    for (int32_t i = 0; i < Frames; ++i) {
        ClearScreen();
        DrawFrame();
        PresentFrame(0);
    }
    const double frameSeconds = Seconds(start);

    std::printf("stage %2d  UpdateStageTick %10.0f ticks/s   DrawFrame (headless) %9.0f frames/s\n", benchStage,
                Ticks / tickSeconds, Frames / frameSeconds);
    StageResult = 1;
}

}  // namespace

int main() {
    StartUp();
    StageLoopHook = Measure;
    for (int32_t stage : {6, 1, 2, 5, 8, 10}) {
        SetNewGameValues();
        benchStage = stage;
        StageNumber = stage;
        PlayStage();
    }
    StageLoopHook = nullptr;
    return 0;
}
