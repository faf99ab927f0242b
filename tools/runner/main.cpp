// The headless runner: runs the real game code on the headless backend at
// full speed (virtual clock, scripted input) and prints the game state as
// JSON. A program for tests, benchmarks and developers; not part of the game.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "dump.h"
#include "headless.h"
#include "input_script.h"
#include "media.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"

#ifndef RUNNER_DEFAULT_DATA
#define RUNNER_DEFAULT_DATA "Data"
#endif

namespace fs = std::filesystem;

namespace {

const char* const Usage =
    "usage: headless_runner (--stage N | --from-start) [options]\n"
    "  --stage N            start a new game and play section N (1..11, 16, 21)\n"
    "  --from-start         run the game from its entry (logo, story, title, ...)\n"
    "  --data DIR           the generated Data folder (default: this build's)\n"
    "  --clock MS           virtual clock at the start (default 1000)\n"
    "  --input FILE         input timeline (see the README)\n"
    "  --passes P           stop after P passes of the in-stage loop\n"
    "  --ticks-per-pass N   ticks each wait for the tick timer returns (default 1)\n"
    "  --dump LIST          also print the state after these passes (e.g. 1,100,500)\n"
    "  --max-ms MS          stop once MS of virtual time have passed\n"
    "  --device N           control device of a --stage game: 0 keyboard, 1 joystick\n";

struct Options {
    std::string data = RUNNER_DEFAULT_DATA;
    int32_t clock = 1000;
    int32_t stage = 0;
    bool fromStart = false;
    std::string input;
    int64_t passes = 0;  // 0: no limit
    int32_t ticksPerPass = 1;
    std::set<int64_t> dumps;
    int64_t maxMs = 0;  // 0: no limit
    int32_t device = 0;
};

// Thrown from the hooks to end the run.
struct RunnerStop {
    std::string reason;
};

// Input events applied while the loop is held up inside one pass (the pause
// screen): the next pass's events come after this many polls.
constexpr int64_t StallPolls = 100;
// A pass held up this long with no event left to give is a script that
// never lets go (e.g. the pause key held to the end).
constexpr int64_t HopelessPolls = 2000000;

struct Run {
    Options opt;
    std::vector<InputEvent> passEvents;   // by pass, in file order within a pass
    std::vector<InputEvent> clockEvents;  // by time
    size_t nextPassEvent = 0;
    size_t nextClockEvent = 0;
    int64_t totalPasses = 0;
    int64_t sectionPass = 0;
    bool afterDraw = false;
    int64_t stalledPolls = 0;
    int64_t hopelessPolls = 0;
};
Run g;

int64_t ElapsedRunMillis() { return static_cast<uint32_t>(MillisBetween(g.opt.clock, headless::Clock())); }

void CheckTimeLimit() {
    if (g.opt.maxMs > 0 && ElapsedRunMillis() >= g.opt.maxMs) throw RunnerStop{"max-ms"};
}

void ApplyClockEvents() {
    while (g.nextClockEvent < g.clockEvents.size() &&
           g.clockEvents[g.nextClockEvent].when <= ElapsedRunMillis()) {
        ApplyInputEvent(g.clockEvents[g.nextClockEvent++]);
    }
}

// Applies every event up to and including this pass.
void ApplyPassEvents(int64_t pass) {
    while (g.nextPassEvent < g.passEvents.size() && g.passEvents[g.nextPassEvent].when <= pass) {
        ApplyInputEvent(g.passEvents[g.nextPassEvent++]);
    }
}

void Dump(const std::string& at) {
    WriteStateDump(stdout, DumpHeader{g.totalPasses, g.sectionPass, at, StageResult});
}

void OnPoll() {
    ApplyClockEvents();
    CheckTimeLimit();
    if (!g.afterDraw) return;
    // Held up after the frame draw: the pause screen waits for input.
    if (++g.stalledPolls < StallPolls) return;
    g.stalledPolls = 0;
    if (g.nextPassEvent < g.passEvents.size()) {
        ApplyPassEvents(g.passEvents[g.nextPassEvent].when);
        g.hopelessPolls = 0;
    } else if ((g.hopelessPolls += StallPolls) >= HopelessPolls) {
        throw RunnerStop{"stalled"};
    }
}

void OnStagePass(int32_t point, int32_t pass) {
    if (point == StagePassStart) {
        ++g.totalPasses;
        g.sectionPass = pass;
        ApplyPassEvents(g.totalPasses);
        ApplyClockEvents();
        CheckTimeLimit();
    } else if (point == StageAfterDraw) {
        g.afterDraw = true;
        g.stalledPolls = 0;
    } else if (point == StagePassEnd) {
        g.afterDraw = false;
        if (g.opt.dumps.count(g.totalPasses)) Dump("pass");
        if (g.opt.passes > 0 && g.totalPasses >= g.opt.passes) throw RunnerStop{"passes"};
        CheckTimeLimit();
    }
}

bool ParseInt(const std::string& text, int64_t* value) {
    try {
        size_t used = 0;
        *value = std::stoll(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

bool ParseOptions(int argc, char** argv, Options* opt, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return false;
            }
            *out = argv[++i];
            return true;
        };
        auto number = [&](int64_t* out, int64_t low, int64_t high) {
            std::string text;
            if (!value(&text)) return false;
            if (!ParseInt(text, out) || *out < low || *out > high) {
                *error = "bad value for " + arg + ": " + text;
                return false;
            }
            return true;
        };
        int64_t n = 0;
        if (arg == "--from-start") {
            opt->fromStart = true;
        } else if (arg == "--data") {
            if (!value(&opt->data)) return false;
        } else if (arg == "--input") {
            if (!value(&opt->input)) return false;
        } else if (arg == "--clock") {
            if (!number(&n, INT32_MIN, INT32_MAX)) return false;
            opt->clock = static_cast<int32_t>(n);
        } else if (arg == "--stage") {
            if (!number(&n, 1, 21)) return false;
            opt->stage = static_cast<int32_t>(n);
            if (!FindSectionStart(opt->stage)) {
                *error = "no section has stage identifier " + std::to_string(n);
                return false;
            }
        } else if (arg == "--passes") {
            if (!number(&opt->passes, 1, INT64_MAX)) return false;
        } else if (arg == "--ticks-per-pass") {
            if (!number(&n, 1, 100000)) return false;
            opt->ticksPerPass = static_cast<int32_t>(n);
        } else if (arg == "--max-ms") {
            if (!number(&opt->maxMs, 1, INT32_MAX)) return false;
        } else if (arg == "--device") {
            if (!number(&n, 0, 1)) return false;
            opt->device = static_cast<int32_t>(n);
        } else if (arg == "--dump") {
            std::string list;
            if (!value(&list)) return false;
            size_t start = 0;
            while (start <= list.size()) {
                const size_t comma = std::min(list.find(',', start), list.size());
                if (!ParseInt(list.substr(start, comma - start), &n) || n < 1) {
                    *error = "bad pass list for --dump: " + list;
                    return false;
                }
                opt->dumps.insert(n);
                start = comma + 1;
            }
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            std::exit(0);
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    if ((opt->stage != 0) == opt->fromStart) {
        *error = "give exactly one of --stage N and --from-start";
        return false;
    }
    if (opt->fromStart && opt->passes == 0 && opt->maxMs == 0) {
        *error = "--from-start needs --passes or --max-ms (the title waits for input forever)";
        return false;
    }
    return true;
}

// The start-up of the game flow up to the title, without its screens: the
// display, the capture images, every asset, the tables, the channels and the
// start-up defaults (the settings file is not read, so runs repeat exactly).
void StartUpForSection() {
    InitRuntime();
    InitAudio();
    InitKeyboard();
    InitJoystick();
    InitDisplay();
    SelectDisplayDriver(OpenGl2dDriver(), 2);
    CheckGameData();
    OpenDisplay(640, 480, 0, 100, 2);
    SeedRandom(ElapsedMillis());
    SetDefaultImageFlags(1);
    SetBlendMode(1);
    SetDrawAlpha(1.0f);
    SetDrawColour(255, 255, 255);
    FadeScreenImage = CreateBlankImage(640, 480, 1, -1);
    PauseScreenImage = CreateBlankImage(640, 480, 1, -1);
    LoadAssetRows(1, AssetFileCount);
    for (int32_t& code : KeyCodes) code = 0;
    for (int32_t& button : JoyButtons) button = 0;
    CreateActorTables();
    for (int32_t& channel : SfxChannels) channel = 0;
    AllocateChannels();
    SetStartupDefaults();
    DataReadCursor = 0;
}

// A new game as the title's start begins it, entered at one section.
void PlayOneSection() {
    StartUpForSection();
    SetNewGameValues();
    ControlDevice = g.opt.device;
    SleepMillis(1000);
    StageNumber = g.opt.stage;
    PlayStage();
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    if (!ParseOptions(argc, argv, &g.opt, &error)) {
        std::fprintf(stderr, "headless_runner: %s\n%s", error.c_str(), Usage);
        return 1;
    }
    if (!g.opt.input.empty()) {
        std::vector<InputEvent> events;
        if (!ReadInputScript(g.opt.input, &events, &error)) {
            std::fprintf(stderr, "headless_runner: %s\n", error.c_str());
            return 1;
        }
        for (const InputEvent& e : events) (e.atClock ? g.clockEvents : g.passEvents).push_back(e);
        auto byTime = [](const InputEvent& a, const InputEvent& b) { return a.when < b.when; };
        std::stable_sort(g.passEvents.begin(), g.passEvents.end(), byTime);
        std::stable_sort(g.clockEvents.begin(), g.clockEvents.end(), byTime);
    }

    // The game finds its files under Data/ in the working directory.
    std::error_code ec;
    const fs::path data = fs::absolute(g.opt.data, ec);
    if (ec || !fs::is_directory(data)) {
        std::fprintf(stderr, "headless_runner: no data folder at %s (the build generates it)\n", g.opt.data.c_str());
        return 1;
    }
    if (data.filename() != "Data") {
        std::fprintf(stderr, "headless_runner: the data folder must be called Data: %s\n", g.opt.data.c_str());
        return 1;
    }
    fs::current_path(data.parent_path(), ec);
    if (ec) {
        std::fprintf(stderr, "headless_runner: cannot enter %s\n", data.parent_path().c_str());
        return 1;
    }

    headless::Reset(g.opt.clock);
    headless::SetRecordDrawing(false);
    headless::SetTicksPerWait(g.opt.ticksPerPass);
    headless::SetPollHook(OnPoll);
    StageLoopHook = OnStagePass;

    int status = 0;
    std::string reason;
    try {
        ApplyPassEvents(0);
        ApplyClockEvents();
        if (g.opt.fromStart) {
            Main();
            reason = "program ended";
        } else {
            PlayOneSection();
            reason = "section ended";
        }
    } catch (const RunnerStop& stop) {
        reason = stop.reason;
        if (stop.reason == "stalled") {
            std::fprintf(stderr, "headless_runner: the game waits for input the timeline never gives\n");
            status = 2;
        }
    } catch (const headless::MediaExit& exit) {
        reason = "program ended";
        if (exit.status != 0) {
            std::fprintf(stderr, "headless_runner: the game stopped (status %d)\n", exit.status);
            status = 1;
        }
    }
    StageLoopHook = nullptr;
    headless::SetPollHook(nullptr);
    Dump(reason);
    return status;
}
