// The runner's input timeline: one event a line, at a pass of the in-stage
// loop or at a time of the virtual clock.
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
// Hands the event to the headless backend's scripted input.
void ApplyInputEvent(const InputEvent& event);
