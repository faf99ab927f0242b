// Keyboard and joysticks through SDL's events, fed into the shared input
// tables. Keys become Windows virtual-key numbers; auto-repeat is dropped, so
// one physical press counts once. A request to close the window is ignored.
#include <algorithm>
#include <array>
#include <cmath>

#include "media_internal.h"
#include "sdl_backend.h"

namespace sdlmedia {
namespace {

struct KeyName {
    SDL_Scancode scancode;
    int32_t virtualKey;
};

// The one table from SDL's physical keys to virtual-key numbers.
constexpr KeyName kKeyTable[] = {
    {SDL_SCANCODE_A, 65}, {SDL_SCANCODE_B, 66}, {SDL_SCANCODE_C, 67}, {SDL_SCANCODE_D, 68},
    {SDL_SCANCODE_E, 69}, {SDL_SCANCODE_F, 70}, {SDL_SCANCODE_G, 71}, {SDL_SCANCODE_H, 72},
    {SDL_SCANCODE_I, 73}, {SDL_SCANCODE_J, 74}, {SDL_SCANCODE_K, 75}, {SDL_SCANCODE_L, 76},
    {SDL_SCANCODE_M, 77}, {SDL_SCANCODE_N, 78}, {SDL_SCANCODE_O, 79}, {SDL_SCANCODE_P, 80},
    {SDL_SCANCODE_Q, 81}, {SDL_SCANCODE_R, 82}, {SDL_SCANCODE_S, 83}, {SDL_SCANCODE_T, 84},
    {SDL_SCANCODE_U, 85}, {SDL_SCANCODE_V, 86}, {SDL_SCANCODE_W, 87}, {SDL_SCANCODE_X, 88},
    {SDL_SCANCODE_Y, 89}, {SDL_SCANCODE_Z, 90},
    {SDL_SCANCODE_0, 48}, {SDL_SCANCODE_1, 49}, {SDL_SCANCODE_2, 50}, {SDL_SCANCODE_3, 51},
    {SDL_SCANCODE_4, 52}, {SDL_SCANCODE_5, 53}, {SDL_SCANCODE_6, 54}, {SDL_SCANCODE_7, 55},
    {SDL_SCANCODE_8, 56}, {SDL_SCANCODE_9, 57},
    {SDL_SCANCODE_LEFT, 37}, {SDL_SCANCODE_UP, 38}, {SDL_SCANCODE_RIGHT, 39}, {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_RETURN, 13}, {SDL_SCANCODE_KP_ENTER, 13}, {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32}, {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_F1, 112}, {SDL_SCANCODE_F2, 113}, {SDL_SCANCODE_F3, 114}, {SDL_SCANCODE_F4, 115},
    {SDL_SCANCODE_F5, 116}, {SDL_SCANCODE_F6, 117}, {SDL_SCANCODE_F7, 118}, {SDL_SCANCODE_F8, 119},
    {SDL_SCANCODE_F9, 120}, {SDL_SCANCODE_F10, 121}, {SDL_SCANCODE_F11, 122}, {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_LSHIFT, 16}, {SDL_SCANCODE_RSHIFT, 16}, {SDL_SCANCODE_LCTRL, 17}, {SDL_SCANCODE_RCTRL, 17},
    {SDL_SCANCODE_LALT, 18}, {SDL_SCANCODE_RALT, 18}, {SDL_SCANCODE_LGUI, 91}, {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93}, {SDL_SCANCODE_PAUSE, 19}, {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_PAGEUP, 33}, {SDL_SCANCODE_PAGEDOWN, 34}, {SDL_SCANCODE_END, 35}, {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_PRINTSCREEN, 44}, {SDL_SCANCODE_INSERT, 45}, {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_KP_0, 96}, {SDL_SCANCODE_KP_1, 97}, {SDL_SCANCODE_KP_2, 98}, {SDL_SCANCODE_KP_3, 99},
    {SDL_SCANCODE_KP_4, 100}, {SDL_SCANCODE_KP_5, 101}, {SDL_SCANCODE_KP_6, 102}, {SDL_SCANCODE_KP_7, 103},
    {SDL_SCANCODE_KP_8, 104}, {SDL_SCANCODE_KP_9, 105}, {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107}, {SDL_SCANCODE_KP_MINUS, 109}, {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111}, {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_SEMICOLON, 186}, {SDL_SCANCODE_EQUALS, 187}, {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_PERIOD, 190}, {SDL_SCANCODE_SLASH, 191}, {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_BACKSLASH, 220}, {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222}, {SDL_SCANCODE_NONUSBACKSLASH, 226},
};

struct KeyState {
    std::array<int16_t, SDL_NUM_SCANCODES> byScancode{};  // virtual key of each physical key
    std::array<uint8_t, media::KeyCount> physicalDown{};  // physical keys held per virtual key
    std::array<int32_t, SDL_NUM_SCANCODES> pressedAs{};   // virtual key a held key went down as
};

KeyState& Keys() {
    static KeyState keys = [] {
        KeyState k;
        for (const KeyName& entry : kKeyTable) k.byScancode[entry.scancode] = static_cast<int16_t>(entry.virtualKey);
        return k;
    }();
    return keys;
}

int32_t VirtualKey(const SDL_Keysym& key) {
    if (key.scancode < 0 || key.scancode >= SDL_NUM_SCANCODES) return 0;
    // A letter follows the keyboard's layout, as virtual keys do.
    if (key.sym >= SDLK_a && key.sym <= SDLK_z && Keys().byScancode[key.scancode] >= 65 &&
        Keys().byScancode[key.scancode] <= 90) {
        return 65 + (key.sym - SDLK_a);
    }
    return Keys().byScancode[key.scancode];
}

void KeyDown(const SDL_KeyboardEvent& e) {
    if (e.repeat) return;
    KeyState& k = Keys();
    const int32_t vk = VirtualKey(e.keysym);
    if (vk <= 0 || vk >= media::KeyCount || k.pressedAs[e.keysym.scancode] != 0) return;
    k.pressedAs[e.keysym.scancode] = vk;
    // Two physical keys can share a number (left and right shift): the
    // number is held while either is.
    if (k.physicalDown[vk]++ == 0) media::KeyEvent(vk, true);
}

void KeyUp(const SDL_KeyboardEvent& e) {
    KeyState& k = Keys();
    if (e.keysym.scancode < 0 || e.keysym.scancode >= SDL_NUM_SCANCODES) return;
    const int32_t vk = k.pressedAs[e.keysym.scancode];
    if (vk == 0) return;
    k.pressedAs[e.keysym.scancode] = 0;
    if (k.physicalDown[vk] > 0 && --k.physicalDown[vk] == 0) media::KeyEvent(vk, false);
}

// ---- joysticks: each attached device takes the first free port.
struct Port {
    SDL_Joystick* joystick = nullptr;
    SDL_JoystickID id = -1;
};
std::array<Port, media::JoyPorts> g_ports;

int32_t PortOf(SDL_JoystickID id) {
    for (int32_t p = 0; p < media::JoyPorts; ++p) {
        if (g_ports[p].joystick && g_ports[p].id == id) return p;
    }
    return -1;
}

void CountJoysticks() {
    int32_t count = 0;
    for (const Port& port : g_ports) count += port.joystick ? 1 : 0;
    media::SetJoystickCountValue(count);
}

void Attach(int deviceIndex) {
    if (PortOf(SDL_JoystickGetDeviceInstanceID(deviceIndex)) >= 0) return;
    for (Port& port : g_ports) {
        if (port.joystick) continue;
        port.joystick = SDL_JoystickOpen(deviceIndex);
        if (port.joystick) port.id = SDL_JoystickInstanceID(port.joystick);
        break;
    }
    CountJoysticks();
}

void Detach(SDL_JoystickID id) {
    const int32_t p = PortOf(id);
    if (p < 0) return;
    for (int32_t b = 0; b < media::JoyButtons; ++b) media::JoyButtonEvent(p, b, false);
    media::JoyAxisEvent(p, 0, 0.0f);
    media::JoyAxisEvent(p, 1, 0.0f);
    SDL_JoystickClose(g_ports[p].joystick);
    g_ports[p] = Port{};
    CountJoysticks();
}

float AxisValue(Sint16 raw) { return std::clamp(static_cast<float>(raw) / 32767.0f, -1.0f, 1.0f); }

}  // namespace
}  // namespace sdlmedia

void InitJoystick() {
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
    SDL_JoystickEventState(SDL_ENABLE);
    for (int i = 0; i < SDL_NumJoysticks(); ++i) sdlmedia::Attach(i);
    sdlmedia::CountJoysticks();
}

namespace media {
namespace {

// What SDL holds, into the shared tables.
void TakeInSdlEvents() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_KEYDOWN:
                sdlmedia::KeyDown(e.key);
                break;
            case SDL_KEYUP:
                sdlmedia::KeyUp(e.key);
                break;
            case SDL_JOYDEVICEADDED:
                sdlmedia::Attach(e.jdevice.which);
                break;
            case SDL_JOYDEVICEREMOVED:
                sdlmedia::Detach(e.jdevice.which);
                break;
            case SDL_JOYBUTTONDOWN:
            case SDL_JOYBUTTONUP: {
                const int32_t port = sdlmedia::PortOf(e.jbutton.which);
                if (port >= 0) JoyButtonEvent(port, e.jbutton.button, e.type == SDL_JOYBUTTONDOWN);
                break;
            }
            case SDL_JOYAXISMOTION: {
                const int32_t port = sdlmedia::PortOf(e.jaxis.which);
                if (port >= 0 && e.jaxis.axis < 2) JoyAxisEvent(port, e.jaxis.axis, sdlmedia::AxisValue(e.jaxis.value));
                break;
            }
            default:
                // SDL_QUIT and window close requests are ignored: the game
                // ends only from its title screen.
                break;
        }
    }
}

}  // namespace

void PumpEvents() { TakeInWaitingEvents(TakeInSdlEvents); }

}  // namespace media
