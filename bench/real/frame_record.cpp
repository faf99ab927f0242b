// Records busy frames of stage play for frame_bench: plays sections on the
// headless backend with a fighting player (walking right, firing every 12
// passes, stopping now and then) and writes, for each section, the drawing
// calls of its busiest pass as played (the pass with the most calls among
// passes 200 to 1500) and of one frame drawn at pass 1500 with every actor
// table full.
//
//   frame_record OUT_DIR [--data DIR]
//
// writes OUT_DIR/section<N>_played.frame and OUT_DIR/section<N>_full.frame.
#include <cstdio>
#include <string>
#include <vector>

#include "draw/frame.h"
#include "game_start.h"
#include "headless.h"
#include "media.h"
#include "media_internal.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "recording.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/records.h"
#include "tool_args.h"

namespace {

constexpr int32_t FirstCandidatePass = 200;
constexpr int32_t LastPass = 1500;
constexpr int32_t RightKey = 39;
constexpr int32_t FireKey = 90;

recording::Frame TakeCalls() {
    recording::Frame frame;
    const media::DrawState& s = media::CurrentDrawState();
    frame.clearR = s.clearR;
    frame.clearG = s.clearG;
    frame.clearB = s.clearB;
    for (const headless::DrawCall& d : headless::DrawCalls())
        if (d.op != headless::Op::Grab) frame.calls.push_back(d);
    return frame;
}

// The fighting player's keys at the start of a pass.
void Play(int32_t pass) {
    if (pass == 120) headless::SetKey(RightKey, true);
    if (pass >= 130 && (pass - 130) % 12 == 0) headless::TapKey(FireKey);
    if (pass >= 400 && (pass - 400) % 300 == 0) headless::SetKey(RightKey, false);
    if (pass >= 500 && (pass - 500) % 300 == 0) headless::SetKey(RightKey, true);
}

// The enemy kinds the section's spawn list brings, in order of first
// appearance (the street gunman when it has none). KR770 is left out: it
// comes alone, at the end of a section.
std::vector<int32_t> SectionKinds(std::vector<int32_t>* baseY) {
    std::vector<int32_t> kinds;
    for (int32_t i = 0; i < SpawnEntrySlots; ++i) {
        const int32_t kind = SpawnEntryKind[i];
        if (kind < 0 || kind == 17 || kind >= EnemyImageCount || EnemyImages[kind] == 0) continue;
        bool known = false;
        for (int32_t k : kinds) known = known || k == kind;
        if (known) continue;
        kinds.push_back(kind);
        baseY->push_back(SpawnEntryY[i]);
    }
    if (kinds.empty()) {
        kinds.push_back(1);
        baseY->push_back(240);
    }
    return kinds;
}

// Every slot of every actor table live, spread over the screen.
void FillActorTables() {
    std::vector<int32_t> baseY;
    const std::vector<int32_t> kinds = SectionKinds(&baseY);
    const int32_t left = -CameraX;  // section x of the screen's left edge
    auto frames = [](int32_t kind) {
        const int32_t n = ImageFrameCount(EnemyImages[kind]);
        return kind == 1 ? std::min(n, 24) : std::max(n, 1);
    };
    for (int32_t s = 0; s < EnemySlots; ++s) {
        const size_t k = static_cast<size_t>(s) % kinds.size();
        EnemyKind[s] = kinds[k];
        EnemyX[s] = left - 40 + 22 * s;
        EnemyY[s] = baseY[k];
        EnemyLane[s] = -150 + (s * 53) % 231;
        EnemyDrift[s] = 0;
        EnemyState[s] = 0;
        EnemyFacing[s] = s % 2;
        EnemyFrame[s] = s % frames(kinds[k]);
        EnemyHealth[s] = 5;
        EnemyShotCount[s] = -1;
        EnemyShotLatch[s] = 1;
    }
    for (int32_t s = 0; s < CorpseSlots; ++s) {
        const size_t k = static_cast<size_t>(s) % kinds.size();
        CorpseKind[s] = kinds[k];
        CorpseX[s] = left - 40 + (s * 37) % 680;
        CorpseY[s] = baseY[k] - 150 + (s * 29) % 231;
        CorpseFrame[s] = (s * 7) % ImageFrameCount(EnemyImages[kinds[k]]);
    }
    CorpseNext = 0;
    static constexpr int32_t pickupKinds[8] = {0, 1, 2, 3, 6, 7, 8, 9};
    for (int32_t s = 0; s < PickupSlots; ++s) {
        PickupKind[s] = pickupKinds[s % 8];
        PickupX[s] = left + 13 * s;
        PickupY[s] = 118 + (s * 23) % 230;
    }
    for (int32_t s = 0; s < PropSlots; ++s) {
        PropFrame[s] = s % 24;
        PropX[s] = left + 13 * s;
        PropY[s] = 110 + (s * 31) % 230;
    }
    static constexpr int32_t bulletKinds[4] = {0, 1, 4, 2};
    for (int32_t s = 0; s < BulletSlots; ++s) {
        BulletActive[s] = 1;
        BulletOwner[s] = 0;
        BulletX[s] = left + 6 * s;
        BulletY[s] = 130 + (s * 17) % 200;
        BulletLane[s] = 0;
        BulletKind[s] = bulletKinds[s % 4];
        BulletDir[s] = s % 16;
    }
    for (int32_t s = 0; s < ExplosionSlots; ++s) {
        ExplosionKind[s] = 1 + s % 6;
        ExplosionX[s] = left + 20 * s;
        ExplosionY[s] = 150 + (s * 41) % 150;
        ExplosionFrame[s] = s % 7;
    }
    for (int32_t s = 0; s < BloodDropSlots; ++s) {
        BloodDropX[s] = left + (s * 53) % 640;
        BloodDropY[s] = 150 + (s * 19) % 200;
        BloodDropAge[s] = 6 + (s * 3) % 140;
        BloodDropDrift[s] = s % 3;
        BloodDropFloorY[s] = BloodDropY[s];
    }
    for (int32_t s = 0; s < ShellCasingSlots; ++s) {
        ShellCasingX[s] = left + (s * 61) % 640;
        ShellCasingY[s] = 150 + (s * 13) % 200;
        ShellCasingSpin[s] = s % 16;
        ShellCasingKind[s] = s % 3 == 2 ? 4 : s % 2;
        ShellCasingSide[s] = s % 2;
        ShellCasingFloorY[s] = ShellCasingY[s] + 10;
    }
    for (int32_t s = 0; s < DebrisSlots; ++s) {
        DebrisX[s] = left + 60 * s;
        DebrisY[s] = 100 + 20 * s;
        DebrisFrame[s] = s % 9;
    }
}

struct Recorder {
    std::string outDir;
    int32_t stage = 0;
    size_t bestCalls = 0;
    recording::Frame played;
    bool failed = false;

    void Save(const char* what, const recording::Frame& frame) {
        const std::string path = outDir + "/section" + std::to_string(stage) + "_" + what + ".frame";
        if (!recording::Write(path, frame)) {
            std::fprintf(stderr, "frame_record: cannot write %s\n", path.c_str());
            failed = true;
            return;
        }
        std::printf("%s: %zu calls\n", path.c_str(), frame.calls.size());
    }
};
Recorder g;

void OnPass(int32_t point, int32_t pass) {
    if (point == StagePassStart) {
        Play(pass);
        headless::ClearDrawCalls();
        return;
    }
    if (point != StagePassEnd) return;
    if (pass >= FirstCandidatePass && headless::DrawCalls().size() > g.bestCalls) {
        g.bestCalls = headless::DrawCalls().size();
        g.played = TakeCalls();
    }
    if (pass < LastPass) return;
    g.Save("played", g.played);
    FillActorTables();
    headless::ClearDrawCalls();
    ClearScreen();
    DrawFrame();
    PresentFrame(0);
    g.Save("full", TakeCalls());
    StageResult = 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string data = FRAME_RECORD_DATA_DIR;
    ArgReader args(argc, argv, "frame_record",
                   "usage: frame_record OUT_DIR [--data DIR]\n"
                   "Writes OUT_DIR/section<N>_played.frame and OUT_DIR/section<N>_full.frame.\n"
                   "  --data DIR  the generated Data folder (default: this build's)\n");
    while (args.Next()) {
        if (args.Arg() == "--data") data = args.Value();
        else if (args.Positional() && g.outDir.empty()) g.outDir = args.Arg();
        else args.Unknown();
    }
    if (g.outDir.empty()) args.Fail("give the output folder");
    std::string error;
    if (!EnterDataFolder(data, &error)) {
        std::fprintf(stderr, "frame_record: %s\n", error.c_str());
        return 1;
    }
    headless::Reset(1000);
    StartUp(StartUpKind::Quiet);
    StageLoopHook = OnPass;
    for (int32_t stage : {5, 6, 10}) {
        for (int32_t key : {RightKey, FireKey}) headless::SetKey(key, false);
        SetNewGameValues();
        g.stage = stage;
        g.bestCalls = 0;
        StageNumber = stage;
        PlayStage();
    }
    StageLoopHook = nullptr;
    return g.failed ? 1 : 0;
}
