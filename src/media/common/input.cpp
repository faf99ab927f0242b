// Keyboard and joystick tables. Backends feed events in; the game reads held
// states and press counts on demand, each query first taking in the events
// that are waiting, once per millisecond of the clock.
#include <cmath>
#include <cstring>

#include "media_internal.h"

namespace media {
namespace {

struct InputTables {
    bool keyDown[KeyCount];
    int32_t keyHits[KeyCount];
    bool joyDown[JoyPorts][JoyButtons];
    int32_t joyHits[JoyPorts][JoyButtons];
    float joyAxis[JoyPorts][2];
    int32_t joystickCount;
    bool intakeTaken;  // the waiting events were taken in at intakeAt
    int32_t intakeAt;
};
InputTables g_in;

bool KeyInRange(int32_t key) { return key >= 0 && key < KeyCount; }
bool JoyInRange(int32_t port, int32_t button) {
    return port >= 0 && port < JoyPorts && button >= 0 && button < JoyButtons;
}

}  // namespace

void KeyEvent(int32_t key, bool down) {
    if (!KeyInRange(key)) return;
    if (down && !g_in.keyDown[key]) ++g_in.keyHits[key];
    g_in.keyDown[key] = down;
}

void JoyButtonEvent(int32_t port, int32_t button, bool down) {
    if (!JoyInRange(port, button)) return;
    if (down && !g_in.joyDown[port][button]) ++g_in.joyHits[port][button];
    g_in.joyDown[port][button] = down;
}

void JoyAxisEvent(int32_t port, int32_t axis, float value) {
    if (port < 0 || port >= JoyPorts || axis < 0 || axis > 1) return;
    if (std::isnan(value)) value = 0.0f;
    g_in.joyAxis[port][axis] = value < -1.0f ? -1.0f : (value > 1.0f ? 1.0f : value);
}

void TakeInWaitingEvents(void (*takeIn)()) {
    if (g_in.intakeTaken && ElapsedMillis() == g_in.intakeAt) return;
    takeIn();
    // Read after the intake, which may take a while: the next moment begins
    // when the clock moves on from where the intake ended.
    g_in.intakeTaken = true;
    g_in.intakeAt = ElapsedMillis();
}

void SetJoystickCountValue(int32_t count) { g_in.joystickCount = count < 0 ? 0 : count; }

void ResetInput() { std::memset(&g_in, 0, sizeof g_in); }

}  // namespace media

using media::g_in;

int32_t IsKeyDown(int32_t key) {
    media::PumpEvents();
    return media::KeyInRange(key) && g_in.keyDown[key] ? 1 : 0;
}

int32_t KeyHitCount(int32_t key) {
    media::PumpEvents();
    if (!media::KeyInRange(key)) return 0;
    int32_t hits = g_in.keyHits[key];
    g_in.keyHits[key] = 0;
    return hits;
}

void FlushKeyStates() {
    // Every press made up to the flush is forgotten, in this moment or not.
    g_in.intakeTaken = false;
    media::PumpEvents();
    std::memset(g_in.keyDown, 0, sizeof g_in.keyDown);
    std::memset(g_in.keyHits, 0, sizeof g_in.keyHits);
}

int32_t JoystickCount() {
    media::PumpEvents();
    return g_in.joystickCount;
}

int32_t IsJoyButtonDown(int32_t button, int32_t port) {
    media::PumpEvents();
    return media::JoyInRange(port, button) && g_in.joyDown[port][button] ? 1 : 0;
}

int32_t JoyButtonHitCount(int32_t button, int32_t port) {
    media::PumpEvents();
    if (!media::JoyInRange(port, button)) return 0;
    int32_t hits = g_in.joyHits[port][button];
    g_in.joyHits[port][button] = 0;
    return hits;
}

float JoyAxisX(int32_t port) {
    media::PumpEvents();
    return port >= 0 && port < media::JoyPorts ? g_in.joyAxis[port][0] : 0.0f;
}

float JoyAxisY(int32_t port) {
    media::PumpEvents();
    return port >= 0 && port < media::JoyPorts ? g_in.joyAxis[port][1] : 0.0f;
}
