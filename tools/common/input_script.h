// The developer tools' input timeline: one event a line, at a pass of the
// in-stage loop or at a time of the clock (ms since the run began).
//
//   <pass> key down|up|tap <vk>              keyboard, Windows virtual-key number
//   <pass> joy <port> down|up|tap <button>   joystick button on a port
//   <pass> joy <port> axis <x> <y>           stick position, -1..1
//   <pass> joysticks <n>                     how many joysticks are attached
//   @<ms> ...                                the same events, at a clock time
//
// '#' starts a comment; blank lines are skipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct InputEvent {
    bool atClock = false;  // true: `when` is a clock time in ms, else a pass
    int64_t when = 0;
    std::string device;    // "key", "joy" or "joysticks"
    std::string action;    // "down", "up", "tap", "axis" (empty for joysticks)
    int32_t port = 0;
    int32_t code = 0;      // key, button or joystick count
    float x = 0.0f;
    float y = 0.0f;
    int32_t line = 0;
};

// Reads a timeline file; on a malformed line returns false with a message.
bool ReadInputScript(const std::string& path, std::vector<InputEvent>* events, std::string* error);

// A timeline being played: each tool hands the events to its backend.
class InputTimeline {
public:
    using Apply = void (*)(const InputEvent& event);
    explicit InputTimeline(Apply apply) : apply_(apply) {}

    // Takes the events: pass events and clock events, each in time order
    // (file order within one time).
    void Set(const std::vector<InputEvent>& events);
    // Reads a timeline file and takes its events; no file (an empty path)
    // gives none. False, with the message, when the file cannot be read.
    bool Load(const std::string& path, std::string* error);
    // Applies every pass event up to and including this pass.
    void ApplyPassEvents(int64_t pass);
    // Applies every clock event due at this many ms into the run.
    void ApplyClockEvents(int64_t elapsedMs);

    // Stall watch, on the run's clock (ms since the run began). Progress:
    // a pass of the in-stage loop began (the first call also starts the
    // watch). While a pass is held up after its frame draw (the pause screen
    // waits for input), the events of the next pass are given every
    // StallPolls polls. StallPoll, at every input poll, returns false once
    // the game has made no progress for StallMillis with nothing left that
    // the timeline can give (no clock event to come, and no pass event a
    // held pass could take): the game waits for input that never comes.
    void Progress(int64_t nowMs) {
        watching_ = true;
        lastProgressMs_ = nowMs;
    }
    void HoldAfterDraw() {
        held_ = true;
        heldPolls_ = 0;
    }
    void ReleaseHold() { held_ = false; }
    bool StallPoll(int64_t nowMs);

    static constexpr int64_t StallPolls = 100;
    // Longer than any screen between two sections, or the game-over screen;
    // shorter than the title's wait before its attract cycle (about 33 s).
    static constexpr int64_t StallMillis = 15000;

private:
    Apply apply_;
    std::vector<InputEvent> passEvents_;
    std::vector<InputEvent> clockEvents_;
    size_t nextPassEvent_ = 0;
    size_t nextClockEvent_ = 0;
    bool held_ = false;
    int64_t heldPolls_ = 0;
    bool watching_ = false;
    int64_t lastProgressMs_ = 0;
};

// A player's hands for benchmarks and long tests, with the first control
// layout: from pass 30 the walk key ahead is held; fire is tapped every 12th
// pass; in every 500 passes one lane up (250..280) and one down (400..430).
// Calls `key` with what changes at this pass.
void WalkAndFire(int64_t pass, void (*key)(int32_t vk, bool down));
