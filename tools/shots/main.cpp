// The screenshot tool: runs the real game code on the real backend (SDL and
// OpenGL; under SDL_VIDEODRIVER=offscreen without a display) and saves the
// frames it presents as PNG files, at passes of the in-stage loop, at times
// of the real clock, at presented-frame counts, or at the loading screen and
// the title. A program for developers; not part of the game.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dump.h"
#include "game_start.h"
#include "input_script.h"
#include "intro_watch.h"
#include "media.h"
#include "media_internal.h"
#include "play/stage_loop.h"
#include "present_watch.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "tool_options.h"

#ifndef SHOTS_DEFAULT_DATA
#define SHOTS_DEFAULT_DATA "Data"
#endif

namespace {

const char* const Usage =
    "usage: shots (--stage N | --from-start) [options]\n"
    "  --stage N            start a new game and play section N (1..11, 16, 21)\n"
    "  --from-start         run the game from its entry (logo, loading, story, title, ...)\n"
    "  --data DIR           the generated Data folder (default: this build's)\n"
    "  --input FILE         input timeline (as the headless runner's; @MS is real ms since the start)\n"
    "  --shot LIST          save the frame of these passes: PASS:FILE.png[,PASS:FILE.png...]\n"
    "  --shot-ms LIST       save the first frame presented at or after MS ms: MS:FILE.png[,...]\n"
    "  --shot-frame LIST    save the Nth frame presented since the start: N:FILE.png[,...]\n"
    "  --shot-title LIST    save the Nth frame since the title music began (about 51 frames of\n"
    "                       fade-in come first): N:FILE.png[,...]\n"
    "  --shot-loading FILE  save the loading screen (the frame before its fade-out)\n"
    "  --skip-intro         tap Escape on the logo and through the story, to reach the title sooner\n"
    "  --passes P           stop after P passes of the in-stage loop\n"
    "  --max-ms MS          stop once MS ms of real time have passed\n"
    "  --dump LIST          print the state after these passes, and at the end\n"
    "  --device N           control device of a --stage game: 0 keyboard, 1 joystick\n"
    "  --trace              print each presented frame's number, time and pass on stderr\n"
    "The run ends once every shot is saved, and a --stage run when its section ends.\n"
    "Exit status 0; 1 on bad options or a shot not written; 2 when the game waits for\n"
    "input that the timeline can no longer give (\"stalled\"); 3 when shots were not taken.\n"
    "Without a display, run it with\n"
    "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy.\n";

struct Options : ToolOptions {
    std::multimap<int64_t, std::string> passShots;
    std::multimap<int64_t, std::string> msShots;
    std::multimap<int64_t, std::string> frameShots;
    std::multimap<int64_t, std::string> titleShots;
    std::string loadingShot;
    bool skipIntro = false;
    int64_t maxMs = 0;  // 0: no limit
    bool trace = false;
};

// Thrown from the hooks to end the run.
struct ShotsStop {
    std::string reason;
    int status = 0;
};

// Hands a timeline event to the real backend's input tables, as its own
// event pump would.
void ApplyInputEvent(const InputEvent& e) {
    if (e.device == "key") {
        if (e.action == "down" || e.action == "tap") media::KeyEvent(e.code, true);
        if (e.action == "up" || e.action == "tap") media::KeyEvent(e.code, false);
    } else if (e.device == "joy") {
        if (e.action == "down" || e.action == "tap") media::JoyButtonEvent(e.port, e.code, true);
        if (e.action == "up" || e.action == "tap") media::JoyButtonEvent(e.port, e.code, false);
        if (e.action == "axis") {
            media::JoyAxisEvent(e.port, 0, e.x);
            media::JoyAxisEvent(e.port, 1, e.y);
        }
    } else if (e.device == "joysticks") {
        media::SetJoystickCountValue(e.code);
    }
}

struct Run {
    Options opt;
    InputTimeline timeline{ApplyInputEvent};
    int32_t start = 0;  // ElapsedMillis at the start of the run
    int64_t totalPasses = 0;
    int64_t sectionPass = 0;
    int32_t saved = 0;
    int32_t failed = 0;
};
Run g;

int64_t ElapsedRunMillis() { return static_cast<uint32_t>(MillisSince(g.start)); }

size_t ShotsLeft() {
    return g.opt.passShots.size() + g.opt.msShots.size() + g.opt.frameShots.size() + g.opt.titleShots.size() +
           (g.opt.loadingShot.empty() ? 0 : 1);
}

bool AnyShotsAsked = false;

void CheckLimits() {
    if (g.opt.maxMs > 0 && ElapsedRunMillis() >= g.opt.maxMs) throw ShotsStop{"max-ms"};
    if (AnyShotsAsked && ShotsLeft() == 0) throw ShotsStop{"shots taken"};
}

void Save(const std::string& path) {
    if (SaveImagePng(watch::GrabScreen(), 0, path) == 1) {
        ++g.saved;
        std::fprintf(stderr, "shots: %s (frame %lld, %lld ms, pass %lld)\n", path.c_str(),
                     static_cast<long long>(watch::PresentedFrames()), static_cast<long long>(ElapsedRunMillis()),
                     static_cast<long long>(g.totalPasses));
    } else {
        ++g.failed;
        std::fprintf(stderr, "shots: cannot write %s\n", path.c_str());
    }
}

// Saves and forgets every shot of the list that is due at `now`.
void SaveDue(std::multimap<int64_t, std::string>& shots, int64_t now) {
    while (!shots.empty() && shots.begin()->first <= now) {
        Save(shots.begin()->second);
        shots.erase(shots.begin());
    }
}

void Dump(const std::string& at) {
    WriteStateDump(stdout, DumpHeader{g.totalPasses, g.sectionPass, at, StageResult, ElapsedMillis()});
}

void OnPresent() {
    watch::WatchIntro(g.opt.skipIntro);
    const int64_t frame = watch::PresentedFrames();
    if (g.opt.trace) {
        std::fprintf(stderr, "frame %lld ms %lld pass %lld\n", static_cast<long long>(frame),
                     static_cast<long long>(ElapsedRunMillis()), static_cast<long long>(g.totalPasses));
    }
    if (!g.opt.loadingShot.empty() && watch::Intro().loadedFrame == frame) {
        Save(g.opt.loadingShot);
        g.opt.loadingShot.clear();
    }
    SaveDue(g.opt.frameShots, frame);
    SaveDue(g.opt.msShots, ElapsedRunMillis());
    if (watch::Intro().titleFrames > 0) SaveDue(g.opt.titleShots, watch::Intro().titleFrames);
    CheckLimits();
}

// Shots that come with time alone, whatever the game waits for: at a time,
// a frame count, on the loading screen or the title (every run from the
// start reaches the title).
bool ShotsComingWithTime() {
    return !g.opt.msShots.empty() || !g.opt.frameShots.empty() || !g.opt.titleShots.empty() ||
           !g.opt.loadingShot.empty();
}

void OnPoll() {
    g.timeline.ApplyClockEvents(ElapsedRunMillis());
    CheckLimits();
    // The game waits for input (the pause, the results, the title...) that
    // the timeline can no longer give, and no shot is coming.
    if (!g.timeline.StallPoll(ElapsedRunMillis()) && !ShotsComingWithTime()) throw ShotsStop{"stalled", 2};
}

void OnStagePass(int32_t point, int32_t pass) {
    if (point == StagePassStart) {
        ++g.totalPasses;
        g.sectionPass = pass;
        g.timeline.Progress(ElapsedRunMillis());
        g.timeline.ApplyPassEvents(g.totalPasses);
        g.timeline.ApplyClockEvents(ElapsedRunMillis());
    } else if (point == StageAfterDraw) {
        g.timeline.HoldAfterDraw();
    } else if (point == StagePassEnd) {
        g.timeline.ReleaseHold();
        SaveDue(g.opt.passShots, g.totalPasses);
        if (g.opt.dumps.count(g.totalPasses)) Dump("pass");
        if (g.opt.passes > 0 && g.totalPasses >= g.opt.passes) throw ShotsStop{"passes"};
        CheckLimits();
    } else if (point == StageEnded && !g.opt.fromStart) {
        // A section run ends with its section, before any results screen.
        throw ShotsStop{"section ended"};
    }
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

// "N:FILE,N:FILE,..." into the map.
bool ParseShotList(const std::string& list, int64_t low, std::multimap<int64_t, std::string>* shots) {
    size_t start = 0;
    while (start < list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        const std::string item = list.substr(start, comma - start);
        const size_t colon = item.find(':');
        int64_t n = 0;
        if (colon == std::string::npos || colon + 1 == item.size() || !ParseInt(item.substr(0, colon), &n) ||
            n < low) {
            return false;
        }
        shots->emplace(n, item.substr(colon + 1));
        start = comma + 1;
    }
    return !list.empty();
}

void ParseOptions(int argc, char** argv, Options* opt) {
    ArgReader args(argc, argv, "shots", Usage);
    while (args.Next()) {
        if (TakeSharedOption(args, opt)) continue;
        const std::string& arg = args.Arg();
        std::multimap<int64_t, std::string>* shots = nullptr;
        int64_t low = 1;
        if (arg == "--shot") {
            shots = &opt->passShots;
        } else if (arg == "--shot-ms") {
            shots = &opt->msShots;
            low = 0;
        } else if (arg == "--shot-frame") {
            shots = &opt->frameShots;
        } else if (arg == "--shot-title") {
            shots = &opt->titleShots;
        } else if (arg == "--shot-loading") {
            opt->loadingShot = args.Value();
        } else if (arg == "--skip-intro") {
            opt->skipIntro = true;
        } else if (arg == "--trace") {
            opt->trace = true;
        } else if (arg == "--max-ms") {
            opt->maxMs = args.Number(1, INT32_MAX);
        } else {
            args.Unknown();
        }
        if (shots) {
            const std::string list = args.Value();
            if (!ParseShotList(list, low, shots)) {
                args.Fail("bad shot list for " + arg + ": " + list + " (expected N:FILE.png[,N:FILE.png...])");
            }
        }
    }
    RequireOneGame(args, *opt);
    if (opt->stage != 0 && (!opt->loadingShot.empty() || !opt->titleShots.empty() || opt->skipIntro)) {
        args.Fail("--shot-loading, --shot-title and --skip-intro need --from-start");
    }
    AnyShotsAsked = ShotsLeft() > 0;
}

}  // namespace

int main(int argc, char** argv) {
    g.opt.data = SHOTS_DEFAULT_DATA;
    ParseOptions(argc, argv, &g.opt);
    // Shots are written where the caller asked, before the working folder
    // moves to the data's.
    for (auto* shots : {&g.opt.passShots, &g.opt.msShots, &g.opt.frameShots, &g.opt.titleShots}) {
        for (auto& shot : *shots) shot.second = AbsolutePath(shot.second);
    }
    if (!g.opt.loadingShot.empty()) g.opt.loadingShot = AbsolutePath(g.opt.loadingShot);
    std::string error;
    if (!g.timeline.Load(g.opt.input, &error) || !EnterDataFolder(g.opt.data, &error)) {
        std::fprintf(stderr, "shots: %s\n", error.c_str());
        return 1;
    }

    g.start = ElapsedMillis();
    watch::SetPresentHook(OnPresent);
    watch::SetPollHook(OnPoll);
    StageLoopHook = OnStagePass;

    int status = 0;
    std::string reason;
    try {
        g.timeline.ApplyPassEvents(0);
        g.timeline.ApplyClockEvents(0);
        if (g.opt.fromStart) {
            // The program's start-up waits for no input: the watch starts now.
            g.timeline.Progress(0);
            Main();
            reason = "program ended";
        } else {
            PlayOneSection(g.opt.stage, g.opt.device);
            reason = "section ended";
        }
    } catch (const ShotsStop& stop) {
        reason = stop.reason;
        status = stop.status;
        if (stop.status == 2) std::fprintf(stderr, "shots: the game waits for input the timeline never gives\n");
    }
    StageLoopHook = nullptr;
    watch::SetPresentHook(nullptr);
    watch::SetPollHook(nullptr);
    if (!g.opt.dumps.empty()) Dump(reason);
    if (ShotsLeft() > 0) {
        std::fprintf(stderr, "shots: the run ended (%s) with %zu shots not taken\n", reason.c_str(), ShotsLeft());
        if (status == 0) status = 3;
    }
    if (g.failed > 0 && status == 0) status = 1;
    return status;
}
