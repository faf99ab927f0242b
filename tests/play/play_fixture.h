// Helpers of the stage-play tests: the game started once per test program on
// the headless backend with the generated data, and a fresh game state for
// each test.
#pragma once

#include <cstdint>
#include <functional>

namespace playtest {

// Start-up as the game flow does it up to the title (display, capture
// images, every asset, the tables, the channels and the defaults), once per
// process; the working directory becomes the folder that holds Data.
void StartGameOnce();

// Before each test: hooks and scripted input cleared, every key up, drawing
// recorded from empty, each WaitTick returning only the ticks due, the
// start-up defaults and a new game's values, StageNumber set.
void NewGame(int32_t stageNumber);

// Runs the in-stage loop with `onPass` watching every point of every pass
// (see StageLoopHook); returns RunStage's result.
int32_t RunSection(std::function<void(int32_t point, int32_t pass)> onPass);

// How many times the draw log holds an operation since it was last cleared.
int32_t CountClears();
int32_t CountPresents(int32_t sync);
int32_t CountGrabs(int32_t image);

// Seeds the generator with the first seed from 1 on which `draws` holds.
void SeedWhere(const std::function<bool()>& draws);

}  // namespace playtest
