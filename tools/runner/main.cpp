// The headless runner: runs the real game code on the headless backend at
// full speed (virtual clock, scripted input) and prints the game state as
// JSON. A program for tests, benchmarks and developers; not part of the game.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dump.h"
#include "game_start.h"
#include "headless.h"
#include "input_script.h"
#include "media.h"
#include "play/stage_loop.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "tool_options.h"

#ifndef RUNNER_DEFAULT_DATA
#define RUNNER_DEFAULT_DATA "Data"
#endif

namespace {

const char* const Usage =
    "usage: headless_runner (--stage N | --from-start) [options]\n"
    "  --stage N            start a new game and play section N (1..11, 16, 21)\n"
    "  --from-start         run the game from its entry (logo, story, title, ...)\n"
    "  --data DIR           the generated Data folder (default: this build's)\n"
    "  --clock MS           virtual clock at the start (default 1000)\n"
    "  --input FILE         input timeline (see the README)\n"
    "  --passes P           stop after P passes of the in-stage loop (a --stage run also\n"
    "                       stops when its section ends)\n"
    "  --ticks-per-pass N   ticks each wait for the tick timer returns (default 1)\n"
    "  --dump LIST          also print the state after these passes (e.g. 1,100,500)\n"
    "  --max-ms MS          stop once MS of virtual time have passed\n"
    "  --device N           control device of a --stage game: 0 keyboard, 1 joystick\n"
    "  --audio FILE         also write what the mixer plays as a 16-bit stereo WAV\n"
    "  --digest             also print a digest of every draw and of the random state\n"
    "                       after every pass\n"
    "Exit status 0; 1 on bad options or missing data; 2 when the game waits for input\n"
    "that the timeline can no longer give (\"stalled\").\n";

struct Options : ToolOptions {
    int32_t clock = 1000;
    int32_t ticksPerPass = 1;
    int64_t maxMs = 0;  // 0: no limit
    std::string audio;  // --audio FILE: the recorded mix
    bool digest = false;
};

// FNV-1a over every recorded drawing call (all its fields) and the random
// state at the end of every pass: two runs that draw differently in any way
// get different digests.
class DrawDigest {
public:
    void AddRecordedCalls() {
        for (const headless::DrawCall& c : headless::DrawCalls()) {
            Add(static_cast<int32_t>(c.op));
            Bytes(c.path.data(), c.path.size());
            for (int32_t v : {c.frame, c.r, c.g, c.b, c.blend, c.clipX, c.clipY, c.clipWidth, c.clipHeight,
                              c.sync, c.time}) {
                Add(v);
            }
            for (float v : {c.x, c.y, c.width, c.height, c.alpha, c.scaleX, c.scaleY, c.rotation}) {
                Bytes(&v, sizeof v);
            }
        }
        headless::ClearDrawCalls();
    }
    void Add(int32_t v) { Bytes(&v, sizeof v); }
    uint64_t Value() const { return value_; }

private:
    void Bytes(const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) value_ = (value_ ^ bytes[i]) * 1099511628211ull;
    }
    uint64_t value_ = 14695981039346656037ull;
};

// Thrown from the hooks to end the run.
struct RunnerStop {
    std::string reason;
};

// Hands a timeline event to the headless backend's scripted input.
void ApplyInputEvent(const InputEvent& e) {
    if (e.device == "key") {
        if (e.action == "down") headless::SetKey(e.code, true);
        if (e.action == "up") headless::SetKey(e.code, false);
        if (e.action == "tap") headless::TapKey(e.code);
    } else if (e.device == "joy") {
        if (e.action == "down") headless::SetJoyButton(e.port, e.code, true);
        if (e.action == "up") headless::SetJoyButton(e.port, e.code, false);
        if (e.action == "tap") headless::TapJoyButton(e.port, e.code);
        if (e.action == "axis") headless::SetJoyAxes(e.port, e.x, e.y);
    } else if (e.device == "joysticks") {
        headless::SetJoystickCount(e.code);
    }
}

struct Run {
    Options opt;
    InputTimeline timeline{ApplyInputEvent};
    int64_t totalPasses = 0;
    int64_t sectionPass = 0;
    DrawDigest digest;
};
Run g;

int64_t ElapsedRunMillis() { return static_cast<uint32_t>(MillisBetween(g.opt.clock, headless::Clock())); }

void CheckTimeLimit() {
    if (g.opt.maxMs > 0 && ElapsedRunMillis() >= g.opt.maxMs) throw RunnerStop{"max-ms"};
}

void ApplyClockEvents() { g.timeline.ApplyClockEvents(ElapsedRunMillis()); }

void Dump(const std::string& at) {
    WriteStateDump(stdout, DumpHeader{g.totalPasses, g.sectionPass, at, StageResult, headless::Clock()});
}

void OnPoll() {
    ApplyClockEvents();
    CheckTimeLimit();
    // The game waits for input (the pause, the results, the title...) that
    // the timeline can no longer give.
    if (!g.timeline.StallPoll(ElapsedRunMillis())) throw RunnerStop{"stalled"};
}

void OnStagePass(int32_t point, int32_t pass) {
    if (point == StagePassStart) {
        ++g.totalPasses;
        g.sectionPass = pass;
        g.timeline.Progress(ElapsedRunMillis());
        g.timeline.ApplyPassEvents(g.totalPasses);
        ApplyClockEvents();
        CheckTimeLimit();
    } else if (point == StageAfterDraw) {
        g.timeline.HoldAfterDraw();
    } else if (point == StagePassEnd) {
        g.timeline.ReleaseHold();
        if (g.opt.digest) {
            g.digest.AddRecordedCalls();
            g.digest.Add(RandomState());
        }
        if (g.opt.dumps.count(g.totalPasses)) Dump("pass");
        if (g.opt.passes > 0 && g.totalPasses >= g.opt.passes) throw RunnerStop{"passes"};
        CheckTimeLimit();
    } else if (point == StageEnded && !g.opt.fromStart) {
        // A section run ends with its section, before any results screen.
        throw RunnerStop{"section ended"};
    }
}

// The recorded mix as a 44100 Hz 16-bit stereo WAV file.
bool WriteMix(const std::string& path, const std::vector<int16_t>& mix) {
    std::string bytes;
    auto put = [&bytes](uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const uint32_t data = static_cast<uint32_t>(mix.size() * 2);
    bytes += "RIFF";
    put(36 + data, 4);
    bytes += "WAVEfmt ";
    for (auto [value, count] : {std::pair<uint32_t, int>{16, 4}, {1, 2}, {2, 2}, {44100, 4}, {44100 * 4, 4}, {4, 2}, {16, 2}})
        put(value, count);
    bytes += "data";
    put(data, 4);
    for (int16_t v : mix) put(static_cast<uint16_t>(v), 2);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

void ParseOptions(int argc, char** argv, Options* opt) {
    ArgReader args(argc, argv, "headless_runner", Usage);
    while (args.Next()) {
        if (TakeSharedOption(args, opt)) continue;
        const std::string& arg = args.Arg();
        if (arg == "--clock") {
            opt->clock = static_cast<int32_t>(args.Number(INT32_MIN, INT32_MAX));
        } else if (arg == "--ticks-per-pass") {
            opt->ticksPerPass = static_cast<int32_t>(args.Number(1, 100000));
        } else if (arg == "--max-ms") {
            opt->maxMs = args.Number(1, INT32_MAX);
        } else if (arg == "--audio") {
            opt->audio = args.Value();
        } else if (arg == "--digest") {
            opt->digest = true;
        } else {
            args.Unknown();
        }
    }
    RequireOneGame(args, *opt);
}

}  // namespace

int main(int argc, char** argv) {
    g.opt.data = RUNNER_DEFAULT_DATA;
    ParseOptions(argc, argv, &g.opt);
    std::string error;
    // The data folder becomes the working directory: the paths are taken first.
    if (!g.opt.audio.empty()) g.opt.audio = std::filesystem::absolute(g.opt.audio).string();
    if (!g.timeline.Load(g.opt.input, &error) || !EnterDataFolder(g.opt.data, &error)) {
        std::fprintf(stderr, "headless_runner: %s\n", error.c_str());
        return 1;
    }

    headless::Reset(g.opt.clock);
    headless::SetRecordDrawing(g.opt.digest);
    headless::SetTicksPerWait(g.opt.ticksPerPass);
    headless::SetPollHook(OnPoll);
    StageLoopHook = OnStagePass;
    if (!g.opt.audio.empty()) headless::RecordMix(true);

    int status = 0;
    std::string reason;
    try {
        g.timeline.ApplyPassEvents(0);
        ApplyClockEvents();
        if (g.opt.fromStart) {
            // A build that asks the display questions is answered "no": a window.
            headless::SetYesNoCancelAnswers({0});
            // The program's start-up waits for no input: the watch starts now.
            g.timeline.Progress(0);
            Main();
            reason = "program ended";
        } else {
            PlayOneSection(g.opt.stage, g.opt.device);
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
    if (g.opt.digest) {
        g.digest.AddRecordedCalls();
        std::printf("{\"drawDigest\":\"%016llx\"}\n", static_cast<unsigned long long>(g.digest.Value()));
    }
    if (!g.opt.audio.empty() && !WriteMix(g.opt.audio, headless::RecordedMix())) {
        std::fprintf(stderr, "headless_runner: cannot write %s\n", g.opt.audio.c_str());
        status = 1;
    }
    return status;
}
