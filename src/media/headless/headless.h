// Control of the headless backend, for tests, the headless runner and
// benchmarks: a virtual millisecond clock, scripted keyboard and joystick,
// recorded drawing calls, a silent mixer that still tracks its channels.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media.h"

namespace headless {

// Thrown by ExitProgram and FailAndExit so tests can catch the end of the program.
struct MediaExit {
    int32_t status;
    std::string message;
};

// Back to the state of a fresh process: no images, sounds, channels, files,
// timers; keys released; draw log empty; clock at `clockStart`; random state
// 4660; display closed.
void Reset(int32_t clockStart = 1000);

// ---- virtual clock: moves only through SleepMillis, PresentFrame(-1) and WaitTick
void SetClock(int32_t ms);
int32_t Clock();
void AdvanceClock(int32_t ms);
// How many ticks each WaitTick returns at least (0: only what is due, at
// least one). With n > 0 the clock is moved on until n ticks are due.
void SetTicksPerWait(int32_t n);
// Ticks every WaitTick has returned since the last Reset.
int64_t TicksGiven();

// ---- sound: the mix the game would play, recorded as the virtual clock
// moves (for measuring levels). While on, the mixer is driven by the clock's
// moves instead of catching up silently.
void RecordMix(bool on);
const std::vector<int16_t>& RecordedMix();  // interleaved L, R at 44100 Hz

// ---- scripted input
void SetKey(int32_t key, bool down);  // a down that was up counts a press
void TapKey(int32_t key);             // press and release: one press counted
// A key event that waits, as a real keyboard's does, for the next intake:
// the first input query once the clock has moved on, or a flush. (SetKey,
// TapKey and the rest take effect at once.)
void PostKey(int32_t key, bool down);
void SetJoystickCount(int32_t count);
void SetJoyButton(int32_t port, int32_t button, bool down);
void TapJoyButton(int32_t port, int32_t button);
void SetJoyAxes(int32_t port, float x, float y);
// Called at every input poll (every key or joystick query), before the query.
void SetPollHook(std::function<void()> hook);
// Answers for AskYesNoCancel, taken in order; -1 (cancel) when they run out.
void SetYesNoCancelAnswers(std::vector<int32_t> answers);
std::vector<std::string> AskedQuestions();
// The messages ReportFailure (and FailAndExit) would have shown the player.
const std::vector<std::string>& ReportedFailures();

// ---- recorded drawing
enum class Op { Clear, Present, Draw, Tile, Fill, Plot, Grab };
struct DrawCall {
    Op op;
    int32_t image = 0;
    std::string path;  // the image's file ("" for none)
    int32_t frame = 0;
    float x = 0, y = 0, width = 0, height = 0;
    int32_t r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int32_t blend = 1;
    float scaleX = 1.0f, scaleY = 1.0f, rotation = 0.0f;
    int32_t clipX = 0, clipY = 0, clipWidth = 640, clipHeight = 480;
    int32_t sync = 0;  // Present
    int32_t time = 0;  // virtual clock when the call was made
};
const std::vector<DrawCall>& DrawCalls();
void ClearDrawCalls();
// Stop recording (long runs that only need the game state).
void SetRecordDrawing(bool on);
int64_t DrawCallCount();  // counted even when not recorded

// ---- images: a missing PNG loads as opaque cells of the asked size instead
// of failing (only for tests that run without generated data).
void SetSynthesiseMissingImages(bool on);

// ---- display state
bool DisplayOpen();
int32_t OpenedDepth();
bool MousePointerHidden();
std::string AppTitle();

}  // namespace headless
