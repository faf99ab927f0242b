// Passes per second of the whole in-stage loop on the headless backend, for
// every section: the tick updates, the frame draw and all else a pass does,
// with the hero walking ahead, firing and changing lanes. Every run of a
// section starts from the same clock, so it repeats exactly and two builds
// of the game do the same work.
//
//   section_speed_bench [--passes P] [--repeat R] [section...]
//
// Prints, per section, the best of R runs of P passes: passes per second,
// microseconds per pass and how many times faster than real time the
// section plays (virtual milliseconds over wall milliseconds).
#include <chrono>
#include <cstdio>
#include <vector>

#include "game_start.h"
#include "headless.h"
#include "input_script.h"
#include "media.h"
#include "play/stage_loop.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "tool_options.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    int32_t passesWanted = 0;
    int32_t passes = 0;  // timed passes so far, over every restart of the section
    Clock::time_point start;
    double seconds = 0;
    int32_t clockAtStart = 0;
    int64_t virtualMs = 0;
};
Run run;

void OnPass(int32_t point, int32_t pass) {
    if (point == StagePassStart) {
        if (pass == 1) {
            run.start = Clock::now();
            run.clockAtStart = headless::Clock();
        }
        WalkAndFire(pass, headless::SetKey);
    } else if (point == StagePassEnd) {
        ++run.passes;
        if (run.passes >= run.passesWanted) StageResult = 1;
        if (StageResult > 0) {
            run.seconds += std::chrono::duration<double>(Clock::now() - run.start).count();
            run.virtualMs += static_cast<uint32_t>(MillisBetween(run.clockAtStart, headless::Clock()));
        }
    }
}

void ReleaseKeys() {
    for (int32_t key : {37, 38, 39, 40, 90}) headless::SetKey(key, false);
}

// One timed run of `passes` passes of a section, restarted from its
// beginning whenever it ends early.
Run PlaySection(int32_t stage, int32_t passes) {
    run = Run{};
    run.passesWanted = passes;
    while (run.passes < passes) {
        ReleaseKeys();
        headless::SetClock(100000);
        SetNewGameValues();
        Lives = 99;  // no game over in the middle of a run
        StageNumber = stage;
        PlayStage();
    }
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    int32_t passes = 3000;
    int32_t repeat = 3;
    std::vector<int32_t> stages;
    ArgReader args(argc, argv, "section_speed_bench",
                   "usage: section_speed_bench [--passes P] [--repeat R] [section...]\n"
                   "  --passes P  passes of each run (default 3000)\n"
                   "  --repeat R  runs of each section; the best is printed (default 3)\n"
                   "  section     stage identifiers to play (default: all 13 sections)\n");
    while (args.Next()) {
        if (args.Arg() == "--passes") passes = static_cast<int32_t>(args.Number(1, INT32_MAX));
        else if (args.Arg() == "--repeat") repeat = static_cast<int32_t>(args.Number(1, 1000));
        else if (args.Positional()) stages.push_back(SectionIn(args, args.Arg()));
        else args.Unknown();
    }
    if (stages.empty()) stages = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 21};

    std::string error;
    if (!EnterDataFolder(PLAY_BENCH_DATA_DIR, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    headless::Reset(1000);
    headless::SetRecordDrawing(false);
    StartUp(StartUpKind::Quiet);
    StageLoopHook = OnPass;
    std::printf("section  passes/s  us/pass  x real time   (best of %d runs of %d passes)\n", repeat, passes);
    for (int32_t stage : stages) {
        Run best;
        for (int32_t r = 0; r < repeat; ++r) {
            const Run one = PlaySection(stage, passes);
            if (r == 0 || one.seconds < best.seconds) best = one;
        }
        std::printf("%7d  %8.0f  %7.1f  %11.1f\n", stage, best.passes / best.seconds, 1e6 * best.seconds / best.passes,
                    best.virtualMs / (1000.0 * best.seconds));
        std::fflush(stdout);
    }
    StageLoopHook = nullptr;
    return 0;
}
