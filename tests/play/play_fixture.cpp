// Helpers of the stage-play tests.
#include "play_fixture.h"

#include <filesystem>

#include "headless.h"
#include "media.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/main_flow.h"
#include "shell/manifest.h"
#include "shell/records.h"

namespace playtest {
namespace {

bool started = false;
std::function<void(int32_t, int32_t)> watcher;

void Watch(int32_t point, int32_t pass) {
    if (watcher) watcher(point, pass);
}

int32_t Count(headless::Op op, int32_t value) {
    int32_t n = 0;
    for (const headless::DrawCall& c : headless::DrawCalls()) {
        if (c.op != op) continue;
        if (op == headless::Op::Present && c.sync != value) continue;
        if (op == headless::Op::Grab && c.image != value) continue;
        ++n;
    }
    return n;
}

}  // namespace

void StartGameOnce() {
    // A test that reset the backend (the enemy scenes do) took the assets with it.
    if (started && headless::DisplayOpen()) return;
    started = true;
    std::filesystem::current_path(std::filesystem::path(STREETWARDEN_DATA_DIR).parent_path());
    headless::Reset(1000);
    StartUp(StartUpKind::Quiet);
}

void NewGame(int32_t stageNumber) {
    StartGameOnce();
    headless::SetPollHook(nullptr);
    StageLoopHook = nullptr;
    watcher = nullptr;
    FlushKeyStates();
    for (int32_t port = 0; port < 2; ++port) {
        for (int32_t button = 0; button < 12; ++button) headless::SetJoyButton(port, button, false);
    }
    FlushKeyStates();
    headless::SetTicksPerWait(0);
    headless::SetRecordDrawing(true);
    headless::ClearDrawCalls();
    SetStartupDefaults();
    SetNewGameValues();
    StageNumber = stageNumber;
}

int32_t RunSection(std::function<void(int32_t point, int32_t pass)> onPass) {
    watcher = std::move(onPass);
    StageLoopHook = Watch;
    const int32_t result = RunStage();
    StageLoopHook = nullptr;
    watcher = nullptr;
    return result;
}

int32_t CountClears() { return Count(headless::Op::Clear, 0); }
int32_t CountPresents(int32_t sync) { return Count(headless::Op::Present, sync); }
int32_t CountGrabs(int32_t image) { return Count(headless::Op::Grab, image); }

void SeedWhere(const std::function<bool()>& draws) {
    for (int32_t seed = 1;; ++seed) {
        SeedRandom(seed);
        if (draws()) return SeedRandom(seed);
    }
}

}  // namespace playtest
