// Ticks per second of UpdateStageTick and frames per second of DrawFrame on
// the headless backend, measured inside running sections (after 300 passes,
// with whatever the section has brought on by then); then microseconds per
// tick and per frame with every actor table full, refilled before each one.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "draw/frame.h"
#include "headless.h"
#include "media.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/spawning.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "play/tick.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"
#include "tool_args.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int32_t WarmUpPasses = 300;
constexpr int32_t Ticks = 20000;
constexpr int32_t Frames = 5000;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void StartBench() {
    std::filesystem::current_path(std::filesystem::path(PLAY_BENCH_DATA_DIR).parent_path());
    headless::Reset(1000);
    headless::SetRecordDrawing(false);
    StartUp(StartUpKind::Quiet);
}

int32_t benchStage = 0;

// Every table full, everything on screen and in the street band: enemies of
// every kind with their shots, bullets of every kind, corpses, pickups,
// props, explosions, blood and the shell cases the shots threw.
void FillTables() {
    EmptyActorTables();
    const int32_t left = -CameraX;
    static constexpr int32_t kKinds[] = {KindGunman, KindChainsaw, KindBiker, KindRogueCop, KindSniper, KindKR770};
    for (int32_t i = 0; i < EnemySlots; ++i) SpawnEnemy(kKinds[i % 6], left + 20 * i, 240, i % 2);
    for (int32_t i = 0; i < BulletSlots; ++i) {
        const int32_t shooter = i % EnemySlots;
        const int32_t kind = i % 10 == 9 ? 2 : (i % 5 == 4 ? 4 : i % 2);
        FireBullet(i % 3 == 0 ? 0 : shooter + 1, left + 6 * i, 160 + i % 60, kind, i % 16);
    }
    for (int32_t i = 0; i < CorpseSlots; ++i) {
        CorpseKind[i] = kKinds[i % 6];
        CorpseX[i] = left - 100 + 5 * i;
        CorpseY[i] = 120 + i * 2;
        CorpseFrame[i] = 20;
    }
    for (int32_t i = 0; i < PickupSlots; ++i) {
        PickupKind[i] = i % 10;
        PickupX[i] = left + 13 * i;
        PickupY[i] = 200 + i * 3;
    }
    for (int32_t i = 0; i < PropSlots; ++i) {
        PropFrame[i] = (i % 12) * 2;
        PropX[i] = left + 13 * i;
        PropY[i] = 130 + i * 4;
    }
    for (int32_t i = 0; i < ExplosionSlots; ++i) SpawnExplosion(left + 20 * i, 150 + i * 5, 1 + i % 6);
    for (int32_t i = 0; i < BloodDropSlots; ++i) SpawnDrop(left + 6 * i, 200 + i % 50);
}

// Microseconds per UpdateStageTick and per DrawFrame, each from full tables.
void MeasureFullTables() {
    constexpr int32_t Rounds = 3000;
    double tickSeconds = 0;
    double frameSeconds = 0;
    for (int32_t i = 0; i < Rounds; ++i) {
        FillTables();
        headless::AdvanceClock(10);
        Clock::time_point start = Clock::now();
        UpdateStageTick();
        tickSeconds += Seconds(start);

        FillTables();
        start = Clock::now();
        ClearScreen();
        DrawFrame();
        PresentFrame(0);
        frameSeconds += Seconds(start);
    }
    std::printf("stage %2d  full tables: %6.1f us per tick, %6.1f us per frame (headless)\n", benchStage,
                1e6 * tickSeconds / Rounds, 1e6 * frameSeconds / Rounds);
}

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
    MeasureFullTables();
    StageResult = 1;
}

}  // namespace

int main(int argc, char** argv) {
    ArgReader args(argc, argv, "play_bench",
                   "usage: play_bench\n"
                   "Prints the tick update's and the frame draw's rates inside running sections, and\n"
                   "microseconds per tick and per frame with every actor table full.\n");
    while (args.Next()) args.Unknown();
    StartBench();
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
