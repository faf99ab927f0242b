// The in-stage loop: one stage section from its reset to its result.
#pragma once

#include <cstdint>
#include <string>

// "FPS " and the last frames-per-second figure; drawn by the heads-up
// display while ShowFps is 1.
extern std::string FpsText;

// Plays the section of StageNumber (its background strip already loaded) and
// returns StageResult: 1 abandoned with Escape or demo interrupted, 2 game
// over (after the game-over screen), 3 cleared.
int32_t RunStage();

// Start position of each section: its length, the hero's start x and lane
// (keepsLane: the lane the previous section left stays).
struct SectionStart {
    int32_t stageNumber;
    int32_t stageLength;
    int32_t heroX;
    int32_t heroLane;
    int32_t keepsLane;
};
constexpr int32_t SectionStartCount = 13;
extern const SectionStart SectionStarts[SectionStartCount];
// The row of a stage identifier, or nullptr.
const SectionStart* FindSectionStart(int32_t stageNumber);

// Watch points of a pass for tools and tests (the game itself sets no hook):
// the pass number counts from 1 in each section.
constexpr int32_t StagePassStart = 0;  // before the wait for the tick timer
constexpr int32_t StageAfterDraw = 1;  // right after the frame draw
constexpr int32_t StagePassEnd = 2;    // after the frame is presented
constexpr int32_t StageEnded = 3;      // the section over, its closing screen shown (pass: the last)
extern void (*StageLoopHook)(int32_t point, int32_t pass);
